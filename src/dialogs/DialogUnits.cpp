#include "dialogs/DialogUnits.h"

#include <QFontMetrics>

namespace dialogs {

DialogUnits DialogUnits::ofFont(const QFont& font)
{
    // As the platform the templates were drawn for measures a dialog font: the average
    // width of the 52 Latin letters, rounded. A font's own "average character width" is
    // often narrower than its letters, and the templates' labels would then be cut.
    const QFontMetrics metrics(font);
    const int letters
        = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits((letters / 26 + 1) / 2, metrics.height());
}

QRect DialogUnits::toPixels(const QRect& units) const
{
    // Both corners are converted, so neighbouring controls stay adjacent.
    const int left = toPixelsX(units.x());
    const int top = toPixelsY(units.y());
    const int right = toPixelsX(units.x() + units.width());
    const int bottom = toPixelsY(units.y() + units.height());
    return QRect(left, top, right - left, bottom - top);
}

} // namespace dialogs
