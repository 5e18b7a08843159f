#pragma once
// Where a planet's name goes beside the planet: above and to the right, as before, unless
// that covers text already there (the sky strip's degree labels, the names of the cycles)
// or leaves the window; then below, to the left, or below and to the left, whichever is
// first free. When none is, the name stays above and to the right.
#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class LabelPlacement {
public:
    // A window of `area`, with text already at `taken`.
    LabelPlacement(const QRect& area, std::vector<QRect> taken);

    // The top-left corner for a name of `size` beside the point, `offset` pixels from it.
    QPoint place(QPoint point, QSize size, int offset) const;

private:
    bool isFree(const QRect& box) const;

    QRect area_;
    std::vector<QRect> taken_;
};
