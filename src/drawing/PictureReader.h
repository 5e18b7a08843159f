#pragma once
// Reads a picture file for a Bitmap, refusing before any pixel is allocated a picture
// whose header claims more than the file can hold, more than kMaxPictureSide pixels a
// side or more than kMaxPicturePixels in all: a damaged or hostile header would otherwise stall the window thread and
// take gigabytes for a picture that cannot be shown. A GIF is measured by its logical screen, which its picture takes;
// a picture whose size its reader cannot tell before decoding it is held to the same limit once decoded.
//
// The functions that apply the limit in all take it as `maxPixels`, kMaxPicturePixels unless
// said otherwise; the program always reads with that. A checker that must read many
// pictures a second (the bitmap fuzzer) passes a lower one, so that the largest picture it
// decodes stays small; the side limit holds either way.
#include <QImage>

#include <cstdint>

#include <string>

namespace drawing {

// Pictures larger than this on either side are refused.
constexpr int kMaxPictureSide = 16384;
// Pictures of more pixels than this (4096 x 4096, 64 MB decoded) are refused too: a few
// bytes of header may claim a picture of a gigabyte within the side limit.
constexpr std::int64_t kMaxPicturePixels = std::int64_t { 4096 } * 4096;

// The size the picture at `path` claims before it is decoded, which the limit is checked
// against: a GIF's logical screen (or its first frame when larger), otherwise what its
// reader tells from the header; an invalid size when the file cannot be opened or its
// reader cannot tell.
QSize claimedPictureSize(const std::string& path);

// The picture at `path`, or a null image when it cannot be read or is refused. The path's
// bytes name the file as they are, whatever their encoding.
QImage readPicture(const std::string& path, std::int64_t maxPixels = kMaxPicturePixels);

// Why readPicture refuses the file at `path` before decoding it, as a clause of a message:
// it is no regular file, or its picture claims more pixels than the limits; empty when
// neither holds (the file may still fail to decode).
std::string pictureRefusal(const std::string& path, std::int64_t maxPixels = kMaxPicturePixels);

// True when the picture at `path` claims more pixels than the limits.
bool pictureIsTooLarge(const std::string& path, std::int64_t maxPixels = kMaxPicturePixels);

} // namespace drawing
