#include "scripting/FocusRingStyle.h"

#include "platform/ColourContrast.h"

#include <QFocusFrame>
#include <QPainter>
#include <QStyleOption>

namespace {

ColourRef colourRefOf(const QColor& colour) { return makeColour(colour.red(), colour.green(), colour.blue()); }

QColor qColorOf(ColourRef colour) { return QColor(redOf(colour), greenOf(colour), blueOf(colour)); }

// What lies around the control the frame `widget` rings: its parent's background.
ColourRef backgroundAround(const QWidget* widget)
{
    const auto* frame = qobject_cast<const QFocusFrame*>(widget);
    const QWidget* ground = frame && frame->widget() ? frame->widget()->parentWidget() : nullptr;
    if (!ground)
        ground = widget;
    return colourRefOf(ground->palette().color(ground->backgroundRole()));
}

} // namespace

ColourRef FocusRingStyle::ringColourOn(ColourRef background)
{
    return platform::contrastRatio(kDarkRing, background) >= platform::contrastRatio(kLightRing, background)
        ? kDarkRing
        : kLightRing;
}

int FocusRingStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin)
        return kRingWidth;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int FocusRingStyle::styleHint(
    StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returnData) const
{
    // Above the control's neighbours, so that none hides part of the ring; the mask leaves
    // the control itself uncovered.
    if (hint == SH_FocusFrame_AboveWidget)
        return 1;
    if (hint == SH_FocusFrame_Mask && option) {
        if (auto* mask = qstyleoption_cast<QStyleHintReturnMask*>(returnData)) {
            const QRect outer = option->rect;
            mask->region = QRegion(outer) - QRegion(outer.adjusted(kRingWidth, kRingWidth, -kRingWidth, -kRingWidth));
            return 1;
        }
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void FocusRingStyle::drawControl(
    ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    if (element != CE_FocusFrame) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QColor colour = qColorOf(ringColourOn(backgroundAround(widget)));
    const QRect outer = option->rect;
    const QRegion ring = QRegion(outer) - QRegion(outer.adjusted(kRingWidth, kRingWidth, -kRingWidth, -kRingWidth));
    for (const QRect& part : ring)
        painter->fillRect(part, colour);
}
