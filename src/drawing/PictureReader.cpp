#include "drawing/PictureReader.h"

#include "platform/RawFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace drawing {

namespace {

    constexpr std::int64_t kBytesPerPixel = 4;
    constexpr std::int64_t kMegabyte = 1024 * 1024;

    // Qt's limit of what a reader allocates for a picture of `maxPixels`, in whole megabytes
    // rounded up: at least one, as Qt reads 0 as no limit at all.
    int allocationLimitMegabytes(std::int64_t maxPixels)
    {
        return static_cast<int>(std::max<std::int64_t>(1, (maxPixels * kBytesPerPixel + kMegabyte - 1) / kMegabyte));
    }

    // The parts of a .bmp file's headers that fix the size of its pixel data.
    constexpr qint64 kBmpHeadersLength = 14 + 40; // file header and BITMAPINFOHEADER
    constexpr std::uint32_t kBmpUncompressed = 0; // BI_RGB
    constexpr std::uint32_t kBmpBitFields = 3; // BI_BITFIELDS: uncompressed with colour masks
    constexpr std::int64_t kMaxBmpBitsPerPixel = 32;

    // The part of a GIF file's header that fixes the size of its picture: the signature and
    // the logical screen's width and height.
    constexpr qint64 kGifHeaderLength = 6 + 4;

    template <typename Value> Value littleEndianAt(const QByteArray& bytes, int offset)
    {
        return qFromLittleEndian<Value>(bytes.constData() + offset);
    }

    // False for an uncompressed .bmp that claims too many pixels a side or whose rows, as its
    // header describes them, run past the end of the file. Other files, compressed bitmaps
    // and unknown pixel depths are left to the reader.
    bool bmpPixelsFitTheFile(const std::string& path, std::int64_t maxPixels)
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
        if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > maxPixels)
            return false;
        if (bitsPerPixel > kMaxBmpBitsPerPixel)
            return true;
        const std::int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
        const std::int64_t pixelsStart = littleEndianAt<std::uint32_t>(headers, 10);
        return pixelsStart + rowBytes * height <= file.size();
    }

    // A GIF's logical screen, which its decoded picture takes whatever the size of its frames;
    // an invalid size when the header is cut short. The reader does not report the screen as
    // the picture's size, and fills the whole screen before it reads the first frame.
    QSize gifScreenSize(const std::string& path)
    {
        QFile file;
        if (!platform::openRawFile(path, QIODevice::ReadOnly, file))
            return {};
        const QByteArray header = file.read(kGifHeaderLength);
        if (header.size() < kGifHeaderLength)
            return {};
        return QSize(littleEndianAt<std::uint16_t>(header, 6), littleEndianAt<std::uint16_t>(header, 8));
    }

    // The name's suffix guides the choice of reader as it does for a reader given a file name.
    QByteArray suffixOf(const std::string& path)
    {
        const std::size_t dot = path.find_last_of("./");
        return dot != std::string::npos && path[dot] == '.' ? QByteArray::fromStdString(path.substr(dot + 1)).toLower()
                                                            : QByteArray();
    }

    QSize claimedSize(QImageReader& reader, const std::string& path)
    {
        if (reader.format() == "gif")
            return gifScreenSize(path).expandedTo(reader.size());
        return reader.size();
    }

    bool sizeIsAcceptable(const QSize& size, std::int64_t maxPixels)
    {
        return !size.isValid()
            || (size.width() <= kMaxPictureSide && size.height() <= kMaxPictureSide
                && std::int64_t { size.width() } * size.height() <= maxPixels);
    }

} // namespace

QSize claimedPictureSize(const std::string& path)
{
    QFile file;
    if (!platform::openRawFile(path, QIODevice::ReadOnly, file))
        return {};
    QImageReader reader(&file, suffixOf(path));
    return claimedSize(reader, path);
}

QImage readPicture(const std::string& path, std::int64_t maxPixels)
{
    QFile file;
    if (!platform::openRawFile(path, QIODevice::ReadOnly, file))
        return {};
    QImageReader reader(&file, suffixOf(path));
    reader.setAllocationLimit(allocationLimitMegabytes(maxPixels));
    if (!sizeIsAcceptable(claimedSize(reader, path), maxPixels))
        return {};
    if (reader.format() == "bmp" && !bmpPixelsFitTheFile(path, maxPixels))
        return {};
    const QImage picture = reader.read();
    // A reader that cannot tell the size before decoding has only Qt's allocation limit to
    // stop it; the picture it gives still meets the limit on each side.
    if (!sizeIsAcceptable(picture.size(), maxPixels))
        return {};
    return picture;
}

bool pictureIsTooLarge(const std::string& path, std::int64_t maxPixels)
{
    return !sizeIsAcceptable(claimedPictureSize(path), maxPixels);
}

std::string pictureRefusal(const std::string& path, std::int64_t maxPixels)
{
    const std::string kind = platform::nonRegularFileKind(path);
    if (!kind.empty())
        return kind;
    const QSize size = claimedPictureSize(path);
    if (sizeIsAcceptable(size, maxPixels))
        return {};
    return QCoreApplication::translate(
        "PictureReader", "its picture claims %1 x %2 pixels; at most %3 pixels a side and %4 pixels in all are read")
        .arg(size.width())
        .arg(size.height())
        .arg(kMaxPictureSide)
        .arg(maxPixels)
        .toStdString();
}

} // namespace drawing
