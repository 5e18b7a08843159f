#include "raster/FrameImage.h"

#include <gtest/gtest.h>

// A window's frame picture, whether its memory came with large pages (a big window) or not
// (a small one): a plain 32-bit picture whose pixels outlive the picture they were made as
// for as long as a copy of it is kept (a grab takes one), and a copy written to is its own.
TEST(FrameImage, LargeAndSmallFramesArePlainPicturesThatOwnTheirPixels)
{
    for (const QSize size : { QSize(780, 625), QSize(1280, 1024), QSize(125, 87), QSize(0, 3) }) {
        SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height());
        QImage kept;
        {
            QImage frame = raster::makeFrameImage(size.width(), size.height());
            ASSERT_EQ(frame.format(), QImage::Format_RGB32);
            ASSERT_EQ(frame.size(), size.expandedTo(QSize(1, 1))); // a zero-sized window still gets a pixel across
            frame.fill(qRgb(10, 20, 30));
            frame.setPixel(frame.width() - 1, frame.height() - 1, qRgb(1, 2, 3));
            kept = frame;
        }
        EXPECT_EQ(kept.pixel(0, 0), qRgb(10, 20, 30));
        EXPECT_EQ(kept.pixel(kept.width() - 1, kept.height() - 1), qRgb(1, 2, 3));
        QImage written = kept;
        written.setPixel(0, 0, qRgb(200, 0, 0));
        EXPECT_EQ(kept.pixel(0, 0), qRgb(10, 20, 30));
    }
}
