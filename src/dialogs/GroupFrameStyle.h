#pragma once
// The style of the dialogs' group boxes: the desktop's, with the frame running through the
// middle of the title (a character's width in from the frame's corner), as on the platform
// the templates were drawn for. The templates put a group's first line about a line below
// the frame's top; a frame drawn below the whole title (the desktop's way) ran through that
// line, the more visibly the larger the font.
//
// Threading: window thread only.
#include <QProxyStyle>

namespace dialogs {

class GroupFrameStyle : public QProxyStyle {
    Q_OBJECT
public:
    // The one instance, made on first use and owned by the application.
    static GroupFrameStyle* instance();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
        const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
        const QWidget* widget) const override;

private:
    GroupFrameStyle() = default;
};

} // namespace dialogs
