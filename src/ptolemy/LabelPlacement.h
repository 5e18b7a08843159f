#pragma once
// Where a name goes beside the point it names, clear of what is already there (the sky
// strip's degree labels, the Earth, names written before) and inside the window.
//
// A planet's name goes above and to the right of the planet, a cycle's name below and to
// the right of its centre, as they always have; when that covers something taken or leaves
// the window, the other corners are tried in turn (the other side vertically first) and the
// first free one is used. When none is, the name stays in its usual corner.
//
// Marks (the observed points on a sky strip) are better left uncovered, but may be: a corner
// free of them is preferred; where every corner covers some, the name goes where it would
// without them, so that in a crowd of points it does not jump from corner to corner.
#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class LabelPlacement {
public:
    enum class Usual { AboveRight, BelowRight };

    // A window of `area`, with `taken` already covered.
    LabelPlacement(const QRect& area, std::vector<QRect> taken);

    // The top-left corner for a name of `size` beside the point, `offset` pixels from it.
    QPoint place(QPoint point, QSize size, int offset, Usual usual = Usual::AboveRight) const;
    // Marks `box` (a name just written) as covered for the names placed after it.
    void take(const QRect& box) { taken_.push_back(box); }
    // Adds `box` to the marks that names had better not cover.
    void avoid(const QRect& box) { marks_.push_back(box); }

private:
    bool isFree(const QRect& box) const;
    bool coversMarks(const QRect& box) const;

    QRect area_;
    std::vector<QRect> taken_;
    std::vector<QRect> marks_;
};
