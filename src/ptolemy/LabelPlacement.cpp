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
    const QPoint* best = nullptr;
    std::size_t fewest = 0;
    for (const QPoint& corner : corners) {
        if (!isFree(QRect(corner, size)))
            continue;
        const std::size_t covered = marksCovered(QRect(corner, size));
        if (covered == 0)
            return corner;
        if (!best || covered < fewest) {
            best = &corner;
            fewest = covered;
        }
    }
    return best ? *best : corners[0];
}

std::size_t LabelPlacement::marksCovered(const QRect& box) const
{
    return static_cast<std::size_t>(
        std::count_if(marks_.begin(), marks_.end(), [&box](const QRect& mark) { return mark.intersects(box); }));
}

bool LabelPlacement::isFree(const QRect& box) const
{
    return area_.contains(box)
        && std::none_of(taken_.begin(), taken_.end(), [&box](const QRect& text) { return text.intersects(box); });
}
