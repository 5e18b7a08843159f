#include "dialogs/GroupFrameStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionComplex>

namespace dialogs {

GroupFrameStyle* GroupFrameStyle::instance()
{
    static QPointer<GroupFrameStyle> style;
    if (!style) {
        style = new GroupFrameStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

QRect GroupFrameStyle::subControlRect(
    ComplexControl control, const QStyleOptionComplex* option, SubControl subControl, const QWidget* widget) const
{
    const QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control == CC_GroupBox && subControl == SC_GroupBoxLabel && option)
        return rect.translated(option->fontMetrics.averageCharWidth(), 0);
    return rect;
}

void GroupFrameStyle::drawComplexControl(
    ComplexControl control, const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box || !(box->subControls & SC_GroupBoxFrame)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The frame from the middle of the title's line down, broken where the title stands.
    const QRect title = subControlRect(CC_GroupBox, option, SC_GroupBoxLabel, widget);
    const int top = box->rect.top() + box->fontMetrics.height() / 2;
    const QRect frame(box->rect.left(), top, box->rect.width() - 1, box->rect.bottom() - top);
    painter->save();
    if (!box->text.isEmpty())
        painter->setClipRegion(QRegion(box->rect) - QRegion(title.adjusted(-2, 0, 2, 0)));
    painter->setPen(box->palette.color(QPalette::Dark));
    painter->drawRect(frame);
    painter->restore();
    QStyleOptionGroupBox rest(*box);
    rest.subControls &= ~SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(control, &rest, painter, widget);
}

} // namespace dialogs
