#include "ptolemy/LabelPlacement.h"

#include <algorithm>
#include <utility>

LabelPlacement::LabelPlacement(const QRect& area, std::vector<QRect> taken)
    : area_(area)
    , taken_(std::move(taken))
{
}

QPoint LabelPlacement::place(QPoint point, QSize size, int offset, Usual usual) const
{
    const int right = point.x() + offset;
    const int left = point.x() - offset - size.width();
    int first = point.y() - offset - size.height(); // above
    int second = point.y() + offset; // below
    if (usual == Usual::BelowRight)
        std::swap(first, second);
    const QPoint corners[] = { { right, first }, { right, second }, { left, first }, { left, second } };
    const QPoint* firstFree = nullptr;
    for (const QPoint& corner : corners) {
        if (!isFree(QRect(corner, size)))
            continue;
        if (!coversMarks(QRect(corner, size)))
            return corner;
        if (!firstFree)
            firstFree = &corner;
    }
    return firstFree ? *firstFree : corners[0];
}

bool LabelPlacement::coversMarks(const QRect& box) const
{
    return std::any_of(marks_.begin(), marks_.end(), [&box](const QRect& mark) { return mark.intersects(box); });
}

bool LabelPlacement::isFree(const QRect& box) const
{
    return area_.contains(box)
        && std::none_of(taken_.begin(), taken_.end(), [&box](const QRect& text) { return text.intersects(box); });
}
