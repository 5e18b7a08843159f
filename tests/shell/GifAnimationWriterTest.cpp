// Animated GIFs made frame by frame, read back with giflib: a drawing's few colours come
// back exactly, a frame holds only what changed, and a frame of many colours keeps the
// ones it uses most.
#include "shell/GifAnimationWriter.h"

#include <QPainter>

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

struct ReadPosition {
    const std::string* bytes = nullptr;
    std::size_t next = 0;
};

int readBytes(GifFileType* file, GifByteType* into, int length)
{
    auto* const position = static_cast<ReadPosition*>(file->UserData);
    const std::size_t count
        = std::min<std::size_t>(static_cast<std::size_t>(length), position->bytes->size() - position->next);
    std::memcpy(into, position->bytes->data() + position->next, count);
    position->next += count;
    return static_cast<int>(count);
}

struct GifCloser {
    void operator()(GifFileType* file) const
    {
        int error = 0;
        DGifCloseFile(file, &error);
    }
};

// The GIF in `bytes`, read whole; null when giflib cannot read it.
class ReadAnimation {
public:
    explicit ReadAnimation(const std::string& bytes)
        : position_ { &bytes, 0 }
    {
        int error = 0;
        file_.reset(DGifOpen(&position_, readBytes, &error));
        if (file_ && DGifSlurp(file_.get()) != GIF_OK)
            file_.reset();
    }

    const GifFileType* operator->() const { return file_.get(); }
    explicit operator bool() const { return file_ != nullptr; }

    // The colour of pixel (x, y) of frame `frame`, in frame coordinates, through its table.
    QRgb pixel(int frame, int x, int y) const
    {
        const SavedImage& image = file_->SavedImages[frame];
        const ColorMapObject* const map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : file_->SColorMap;
        const GifColorType colour = map->Colors[image.RasterBits[y * image.ImageDesc.Width + x]];
        return qRgb(colour.Red, colour.Green, colour.Blue);
    }
    QRect area(int frame) const
    {
        const GifImageDesc& desc = file_->SavedImages[frame].ImageDesc;
        return QRect(desc.Left, desc.Top, desc.Width, desc.Height);
    }
    int delay(int frame) const
    {
        GraphicsControlBlock control {};
        DGifSavedExtensionToGCB(file_.get(), frame, &control);
        return control.DelayTime;
    }

private:
    ReadPosition position_;
    std::unique_ptr<GifFileType, GifCloser> file_;
};

QImage drawnFrame()
{
    QImage frame(60, 40, QImage::Format_RGB32);
    frame.fill(Qt::white);
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(200, 30, 10));
    painter.drawLine(0, 0, 59, 39);
    painter.fillRect(40, 5, 10, 10, QColor(0, 120, 180));
    return frame;
}

} // namespace

TEST(GifAnimationWriterTest, ADrawingsColoursComeBackExactlyAndAFrameHoldsOnlyWhatChanged)
{
    const QImage first = drawnFrame();
    QImage second = first;
    second.setPixel(10, 30, qRgb(0, 140, 140));
    second.setPixel(12, 31, qRgb(0, 140, 140));
    GifAnimationWriter writer(first.size());
    ASSERT_TRUE(writer.addFrame(first, 4));
    ASSERT_TRUE(writer.addFrame(second, 5));
    ASSERT_TRUE(writer.addFrame(second, 4));
    const std::optional<std::string> bytes = writer.finish();
    ASSERT_TRUE(bytes);

    const ReadAnimation animation(*bytes);
    ASSERT_TRUE(animation);
    EXPECT_EQ(animation->SWidth, 60);
    EXPECT_EQ(animation->SHeight, 40);
    ASSERT_EQ(animation->ImageCount, 3);
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x)
            ASSERT_EQ(animation.pixel(0, x, y), first.pixel(x, y)) << "at " << x << ", " << y;
    EXPECT_EQ(animation.area(1), QRect(10, 30, 3, 2)) << "the changed pixels' rectangle";
    EXPECT_EQ(animation.pixel(1, 0, 0), qRgb(0, 140, 140));
    EXPECT_EQ(animation.pixel(1, 2, 1), qRgb(0, 140, 140));
    EXPECT_EQ(animation.area(2).size(), QSize(1, 1)) << "an unchanged frame still takes its time";
    EXPECT_EQ(animation.delay(1), 5);
}

TEST(GifAnimationWriterTest, AFrameOfManyColoursKeepsTheOnesItUsesMostExactlyAndTheRestNearby)
{
    // A ground and a trail in two colours over a gradient of 600 others, each a pixel or two.
    QImage frame(600, 20, QImage::Format_RGB32);
    frame.fill(qRgb(255, 255, 255));
    for (int x = 0; x < 600; ++x) {
        frame.setPixel(x, 0, qRgb(x % 256, (x * 7) % 256, 255 - x % 256));
        frame.setPixel(x, 10, qRgb(200, 30, 10));
    }
    GifAnimationWriter writer(frame.size());
    ASSERT_TRUE(writer.addFrame(frame, 4));
    const std::optional<std::string> bytes = writer.finish();
    ASSERT_TRUE(bytes);

    const ReadAnimation animation(*bytes);
    ASSERT_TRUE(animation);
    EXPECT_EQ(animation.pixel(0, 300, 5), qRgb(255, 255, 255));
    EXPECT_EQ(animation.pixel(0, 300, 10), qRgb(200, 30, 10));
    int farthest = 0;
    for (int x = 0; x < 600; ++x) {
        const QRgb was = frame.pixel(x, 0);
        const QRgb is = animation.pixel(0, x, 0);
        farthest = std::max({ farthest, std::abs(qRed(was) - qRed(is)), std::abs(qGreen(was) - qGreen(is)),
            std::abs(qBlue(was) - qBlue(is)) });
    }
    EXPECT_LE(farthest, 64) << "a colour left out of the table becomes a near one";
}
