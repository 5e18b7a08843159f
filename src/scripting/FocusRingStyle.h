#pragma once
// The program's style: the desktop's, with a focus ring that every student can see. The
// ring is drawn by the focus frame that FocusRing keeps on the focused control, outside the
// control's edge, kRingWidth pixels wide, in a dark blue or an amber, whichever stands
// further from the background around the control (at least 3:1 on any background).
#include "platform/Colour.h"

#include <QProxyStyle>

class FocusRingStyle : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int kRingWidth = 3;
    static constexpr ColourRef kDarkRing = makeColour(0, 0, 128);
    static constexpr ColourRef kLightRing = makeColour(255, 212, 0);

    // The ring's colour on `background`.
    static ColourRef ringColourOn(ColourRef background);

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    int styleHint(
        StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returnData) const override;
    void drawControl(
        ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override;
};
