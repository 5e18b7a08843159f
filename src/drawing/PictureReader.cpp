#include "drawing/PictureReader.h"

#include "platform/RawFile.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <cstdint>
#include <cstdlib>

namespace drawing {

namespace {

// A picture of the largest size, four bytes a pixel, in megabytes.
constexpr int kAllocationLimitMegabytes = kMaxPictureSide / 1024 * kMaxPictureSide / 1024 * 4;

// The parts of a .bmp file's headers that fix the size of its pixel data.
constexpr qint64 kBmpHeadersLength = 14 + 40; // file header and BITMAPINFOHEADER
constexpr std::uint32_t kBmpUncompressed = 0; // BI_RGB
constexpr std::uint32_t kBmpBitFields = 3; // BI_BITFIELDS: uncompressed with colour masks
constexpr std::int64_t kMaxBmpBitsPerPixel = 32;

template <typename Value> Value littleEndianAt(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<Value>(bytes.constData() + offset);
}

// False for an uncompressed .bmp that claims too many pixels a side or whose rows, as its
// header describes them, run past the end of the file. Other files, compressed bitmaps
// and unknown pixel depths are left to the reader.
bool bmpPixelsFitTheFile(const std::string& path)
{
    QFile file;
    if (!platform::openRawFile(path, QIODevice::ReadOnly, file))
        return true;
    const QByteArray headers = file.read(kBmpHeadersLength);
    if (headers.size() < kBmpHeadersLength || !headers.startsWith("BM")
        || littleEndianAt<std::uint32_t>(headers, 14) < 40)
        return true;
    const std::uint32_t compression = littleEndianAt<std::uint32_t>(headers, 30);
    if (compression != kBmpUncompressed && compression != kBmpBitFields)
        return true;
    const std::int64_t width = std::llabs(littleEndianAt<std::int32_t>(headers, 18));
    const std::int64_t height = std::llabs(littleEndianAt<std::int32_t>(headers, 22));
    const std::int64_t bitsPerPixel = littleEndianAt<std::uint16_t>(headers, 28);
    if (width > kMaxPictureSide || height > kMaxPictureSide || bitsPerPixel > kMaxBmpBitsPerPixel)
        return width <= kMaxPictureSide && height <= kMaxPictureSide;
    const std::int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const std::int64_t pixelsStart = littleEndianAt<std::uint32_t>(headers, 10);
    return pixelsStart + rowBytes * height <= file.size();
}

bool sizeIsAcceptable(const QSize& size)
{
    return !size.isValid() || (size.width() <= kMaxPictureSide && size.height() <= kMaxPictureSide);
}

} // namespace

QImage readPicture(const std::string& path)
{
    QFile file;
    if (!platform::openRawFile(path, QIODevice::ReadOnly, file))
        return {};
    // The name's suffix guides the choice of reader as it does for a reader given a file name.
    const std::size_t dot = path.find_last_of("./");
    const QByteArray suffix = dot != std::string::npos && path[dot] == '.'
        ? QByteArray::fromStdString(path.substr(dot + 1)).toLower()
        : QByteArray();
    QImageReader reader(&file, suffix);
    reader.setAllocationLimit(kAllocationLimitMegabytes);
    if (!sizeIsAcceptable(reader.size()))
        return {};
    if (reader.format() == "bmp" && !bmpPixelsFitTheFile(path))
        return {};
    return reader.read();
}

} // namespace drawing
