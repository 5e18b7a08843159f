#include "dialogs/DialogUnits.h"

#include <QFontMetrics>

namespace dialogs {

DialogUnits DialogUnits::ofFont(const QFont& font)
{
    const QFontMetrics metrics(font);
    return DialogUnits(metrics.averageCharWidth(), metrics.height());
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
