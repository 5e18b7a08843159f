#pragma once
// Where a control window puts its column of buttons in the room it has. With room enough
// the buttons stand where the window's description puts them: at x = bx, y = by + 2 by i,
// 20 bx wide and 7 by / 4 high (bx, by the dialog base units). In less room the column
// shrinks, margins and gaps first in proportion, each button down to what its label needs
// (`smallest`) and no further; what then still does not fit is scrolled to, never cut.
#include <QRect>
#include <QSize>

struct DialogBaseUnits;

class ButtonColumn {
public:
    // The least margin round the column and gap between buttons, in pixels: room for the
    // focus ring.
    static constexpr int kLeastSpace = 4;

    ButtonColumn(const DialogBaseUnits& units, int count, QSize smallest);

    // Lays the column out in `room`; contentSize() may then be larger than `room`.
    void fit(QSize room);
    // The room the column needs where the window's description puts its buttons.
    QSize describedSize() const;

    QRect button(int index) const;
    // The area the column needs: at least the room it was fitted to.
    QSize contentSize() const { return content_; }

private:
    // One axis of the column: the margin before the first button, each button's extent and
    // the step from one button to the next.
    struct Axis {
        int margin;
        int extent;
        int step;
    };
    static Axis shrink(const Axis& wanted, int count, int room, int smallest);
    static int needed(const Axis& axis, int count) { return axis.margin + axis.step * (count - 1) + axis.extent; }

    int count_;
    QSize smallest_;
    Axis wantedX_;
    Axis wantedY_;
    Axis x_;
    Axis y_;
    QSize content_;
};
