#pragma once
// The pixels of a one-pixel antialiased ellipse outline, relative to the corner of its box,
// in the order they are blended.
//
// An outline is the same few hundred pixels wherever its box lies, so it is worked out once
// per size and then only blended at each place (circles of a system keep their sizes from
// frame to frame). Coordinates name pixel centres: the box's first and last columns and rows
// hold the ellipse's extremes. Where the outline is flatter than 45 degrees each column gets
// its two pixels above and below the centre; where it is steeper each row gets its two, left
// and right.
#include <cstdint>
#include <vector>

namespace raster {

class OutlineStamp {
public:
    struct Dot {
        std::int32_t x;
        std::int32_t y;
        std::uint32_t coverage; // 1 ... 256
    };

    // Boxes up to this size each way are kept.
    static constexpr int kLargestKeptBox = 4096;

    // The outline of the ellipse in a box of width x height pixels (each at least 3, at most
    // kLargestKeptBox), made once per size and thread and kept while the thread draws few
    // other sizes.
    static const OutlineStamp& ofEllipse(int width, int height);

    // The outline in a box of any size, only the columns visibleLeft ... visibleRight and
    // rows visibleTop ... visibleBottom (relative to the box) worked out.
    OutlineStamp(int width, int height, int visibleLeft, int visibleTop, int visibleRight, int visibleBottom);

    const std::vector<Dot>& dots() const { return dots_; }
    // Every dot lies within -1 ... width and -1 ... height of the box.
    int width() const { return width_; }
    int height() const { return height_; }

private:
    void add(int x, int y, unsigned coverage);
    void acrossRows(int x, double y);
    void acrossColumns(double x, int y);

    int width_;
    int height_;
    std::vector<Dot> dots_;
};

} // namespace raster
