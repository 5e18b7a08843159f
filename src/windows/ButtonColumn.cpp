#include "windows/ButtonColumn.h"

#include "windows/ControlWindow.h"

#include <algorithm>

ButtonColumn::ButtonColumn(const DialogBaseUnits& units, int count, QSize smallest)
    : count_(std::max(count, 0))
    , smallest_(smallest)
    , wantedX_ { units.x, 20 * units.x, 0 }
    , wantedY_ { units.y, (7 * units.y) / 4, 2 * units.y }
    , x_(wantedX_)
    , y_(wantedY_)
{
}

ButtonColumn::Axis ButtonColumn::shrink(const Axis& wanted, int count, int room, int smallest)
{
    if (count == 0 || needed(wanted, count) <= room)
        return wanted;
    const double share = static_cast<double>(std::max(room, 0)) / needed(wanted, count);
    const int margin = std::max(kLeastSpace, static_cast<int>(wanted.margin * share));
    const int extent = std::max(smallest, static_cast<int>(wanted.extent * share));
    const int gap = std::max(kLeastSpace, static_cast<int>((wanted.step - wanted.extent) * share));
    return Axis { margin, extent, count > 1 ? extent + gap : 0 };
}

void ButtonColumn::fit(QSize room)
{
    if (count_ == 0) {
        content_ = room;
        return;
    }
    const int columns = std::min(count_, 1);
    y_ = shrink(wantedY_, count_, room.height(), smallest_.height());
    x_ = shrink(wantedX_, columns, room.width(), smallest_.width());
    // A column that had to shrink keeps a margin below and right of it as well.
    const bool tall = needed(wantedY_, count_) > room.height();
    const bool wide = needed(wantedX_, columns) > room.width();
    const int height = needed(y_, count_) + (tall ? y_.margin : 0);
    const int width = needed(x_, columns) + (wide ? x_.margin : 0);
    content_ = QSize(std::max(width, room.width()), std::max(height, room.height()));
}

QSize ButtonColumn::describedSize() const
{
    if (count_ == 0)
        return QSize(0, 0);
    return QSize(needed(wantedX_, 1), needed(wantedY_, count_));
}

QRect ButtonColumn::button(int index) const
{
    return QRect(x_.margin, y_.margin + y_.step * index, x_.extent, y_.extent);
}
