// Sprites drawn through their masks over a coloured background, and the shared sprites.
#include "drawing/Sprite.h"

#include "drawing/SharedSprites.h"
#include "platform/Message.h"
#include "platform/ResourceLibrary.h"

#include <QImage>
#include <QRect>

#include <gtest/gtest.h>
#include <string>

namespace {

const QRgb kBackground = qRgb(0x00, 0x80, 0x80);

// The library is loaded once for the whole program and never unloaded.
const platform::ResourceLibrary* library()
{
    static const auto loaded = platform::ResourceLibrary::load();
    return loaded.get();
}

QImage backgroundCanvas()
{
    QImage canvas(40, 40, QImage::Format_RGB32);
    canvas.fill(kBackground);
    return canvas;
}

// Inside `dest`, pixels the mask leaves transparent keep the background and the others show
// the image's pixel (from the image's top-left corner); outside it nothing changed.
void expectMaskedDrawing(const QImage& canvas, const Sprite& sprite, const QRect& dest)
{
    const QImage& image = sprite.image().image();
    const QImage& mask = sprite.mask().image();
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            QRgb expected = kBackground;
            if (dest.contains(x, y)) {
                const int sx = x - dest.x(), sy = y - dest.y();
                expected = (mask.pixel(sx, sy) & 0xffffff) == 0xffffff ? kBackground : image.pixel(sx, sy);
            }
            ASSERT_EQ(canvas.pixel(x, y), expected) << x << "," << y;
        }
}

class SpriteDrawing : public testing::TestWithParam<const char*> { };

TEST_P(SpriteDrawing, KeepsTheBackgroundWhereTheMaskIsWhite)
{
    ASSERT_NE(library(), nullptr);
    Sprite sprite;
    const std::string name = GetParam();
    ASSERT_EQ(sprite.loadImage(library(), name.c_str(), 1), S_OK);
    ASSERT_EQ(sprite.loadMask(library(), (name + "_mask").c_str(), 1), S_OK);
    ASSERT_EQ(sprite.isValid(), S_OK);
    const int width = sprite.image().width(), height = sprite.image().height();

    QImage canvas = backgroundCanvas();
    {
        raster::DeviceContext context(canvas);
        EXPECT_EQ(sprite.drawAt(context, 20, 20), S_OK);
    }
    expectMaskedDrawing(canvas, sprite, QRect(20 - width / 2, 20 - height / 2, width, height));

    int opaque = 0, transparent = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            (canvas.pixel(20 - width / 2 + x, 20 - height / 2 + y) == kBackground ? transparent : opaque)++;
    EXPECT_GT(opaque, 0);
    EXPECT_GT(transparent, 0);
}

INSTANTIATE_TEST_SUITE_P(EverySprite, SpriteDrawing,
    testing::Values("eq", "ecc", "obs", "earth", "star", "sun", "planet", "comet", "matchNow", "mercury", "venus",
        "mars", "jupiter", "saturn", "moon"));

TEST(SpriteParts, DrawsTheTopLeftPartWithinTheMaxima)
{
    ASSERT_NE(library(), nullptr);
    Sprite sprite;
    ASSERT_EQ(sprite.loadImage(library(), "earth", 1), S_OK);
    ASSERT_EQ(sprite.loadMask(library(), "earth_mask", 1), S_OK);
    QImage canvas = backgroundCanvas();
    {
        raster::DeviceContext context(canvas);
        EXPECT_EQ(sprite.drawCentred(context, 10, 12, 6, 50), S_OK);
        EXPECT_EQ(sprite.drawCentred(context, 10, 12, 0, 5), E_INVALIDARG);
        EXPECT_EQ(sprite.drawCentred(context, 10, 12, 5, -2), E_INVALIDARG);
    }
    expectMaskedDrawing(canvas, sprite, QRect(7, 7, 6, 11));
}

TEST(SpriteParts, ASpriteWithoutItsMaskIsNotValidAndDrawsNothing)
{
    ASSERT_NE(library(), nullptr);
    platform::MessageRecorder recorder;
    Sprite sprite;
    EXPECT_EQ(sprite.isValid(), E_FAIL);
    ASSERT_EQ(sprite.loadImage(library(), "eq", 0), S_OK);
    EXPECT_EQ(sprite.loadMask(library(), "eq_mask_missing", 0), E_FAIL);
    EXPECT_EQ(sprite.isValid(), E_FAIL);

    QImage canvas = backgroundCanvas();
    {
        raster::DeviceContext context(canvas);
        EXPECT_EQ(sprite.drawAt(context, 20, 20), E_FAIL);
        EXPECT_EQ(sprite.drawCentred(context, 20, 20, 5, 5), E_FAIL);
        EXPECT_EQ(sprite.drawMasked(context, 0, 0, 5, 5), E_FAIL);
    }
    QImage untouched = backgroundCanvas();
    EXPECT_EQ(canvas, untouched);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST(SharedSpritesLoading, LoadsEveryPictureSilently)
{
    ASSERT_NE(library(), nullptr);
    platform::MessageRecorder recorder;
    loadSharedSprites(library());
    const SharedSprites& sprites = sharedSprites();
    for (const Sprite* sprite : { &sprites.eq, &sprites.ecc, &sprites.obs, &sprites.earth, &sprites.star, &sprites.sun,
             &sprites.planet, &sprites.comet, &sprites.matchNow })
        EXPECT_EQ(sprite->isValid(), S_OK);
    EXPECT_EQ(sprites.matchBefore.isValid(), S_OK);
    EXPECT_EQ(sprites.matchAfter.isValid(), S_OK);
    EXPECT_EQ(sprites.matchBefore.width(), 5);
    EXPECT_EQ(sprites.matchAfter.width(), 3);
    EXPECT_EQ(sprites.comet.image().width(), 27);
    EXPECT_EQ(sprites.comet.mask().width(), 27);
    EXPECT_EQ(&sharedSprites(), &sprites);
    EXPECT_EQ(recorder.count(), 0u);
}

} // namespace
