#pragma once
// Reads a picture file for a Bitmap, refusing before any pixel is allocated a picture
// whose header claims more than the file can hold or more than kMaxPictureSide pixels a
// side: a damaged or hostile header would otherwise stall the window thread and take
// gigabytes for a picture that cannot be shown. A GIF is measured by its logical screen,
// which its picture takes; a picture whose size its reader cannot tell before decoding it
// is held to the same limit once decoded.
#include <QImage>

#include <string>

namespace drawing {

// Pictures larger than this on either side are refused.
constexpr int kMaxPictureSide = 16384;

// The picture at `path`, or a null image when it cannot be read or is refused. The path's
// bytes name the file as they are, whatever their encoding.
QImage readPicture(const std::string& path);

} // namespace drawing
