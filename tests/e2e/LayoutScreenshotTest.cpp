// A valid layout of two collections, photographed by script steps: every window sits at
// the pixel rectangle its fractions give in the host area, the layout's BackgroundColor
// shows around them, Kepler windows without statistics and without a trail are plain
// white (also in a screenshot taken at once, before their first render), and the default
// draw request shows the statistics text.
#include "HostScreenshot.h"
#include "ProgramSandbox.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const QColor kHostColour(200, 40, 10); // the layout's BackgroundColor
const QColor kWhite(255, 255, 255);

// The one-pixel frame just outside `rect`.
std::vector<QRect> frameAround(const QRect& rect)
{
    return {
        QRect(rect.left() - 1, rect.top() - 1, rect.width() + 2, 1),
        QRect(rect.left() - 1, rect.bottom() + 1, rect.width() + 2, 1),
        QRect(rect.left() - 1, rect.top(), 1, rect.height()),
        QRect(rect.right() + 1, rect.top(), 1, rect.height()),
    };
}

testing::AssertionResult isFilled(const HostScreenshot& shot, const QRect& rect, QColor colour)
{
    const std::optional<QPoint> other = shot.firstPixelOtherThan(rect, colour);
    if (!other)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "expected " << colour.name().toStdString() << " over (" << rect.left() << ","
                                       << rect.top() << ")-(" << rect.right() << "," << rect.bottom() << "), found "
                                       << shot.describe(other);
}

class LayoutScreenshotTest : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string first = sandbox.file("at-once.png");
        const std::string settled = sandbox.file("settled.png");
        // Nothing outside the program tells when the first render has happened (one redraw
        // timer of 1 ms after the first paint); a fifth of a second is far beyond it.
        const std::string script
            = sandbox.writeScript("shot.txt", { "screenshot " + first, "wait 200", "screenshot " + settled, "quit" });
        const ProgramResult result = sandbox.run({ "--batch", "--script", script, "--",
            std::string(SKYLOOM_E2E_DATA_DIR) + "/layouts/two-collections.lay" });
        ASSERT_EQ(result.exitCode, 0);
        ASSERT_EQ(result.errors, "");
        atOnce = std::make_unique<HostScreenshot>(first, kHostColour);
        ASSERT_TRUE(atOnce->isValid()) << "no host area of the layout's colour in " << first;
        screenshot = std::make_unique<HostScreenshot>(settled, kHostColour);
        ASSERT_TRUE(screenshot->isValid()) << "no host area of the layout's colour in " << settled;
    }

    void expectWindowFramedByHost(const QRect& window)
    {
        for (const QRect& side : frameAround(window))
            EXPECT_TRUE(isFilled(*screenshot, side, kHostColour));
    }

    ProgramSandbox sandbox;
    std::unique_ptr<HostScreenshot> atOnce; // taken as the first step
    std::unique_ptr<HostScreenshot> screenshot; // taken once the windows have rendered
};

TEST_F(LayoutScreenshotTest, ObserverWindowsWithoutStatisticsAreWhiteAtTheirRectangles)
{
    const QRect first = screenshot->hostPixels(0.1, 0.1, 0.45, 0.6);
    const QRect second = screenshot->hostPixels(0.55, 0.05, 0.95, 0.333);

    EXPECT_TRUE(isFilled(*screenshot, first, kWhite));
    expectWindowFramedByHost(first);
    EXPECT_TRUE(isFilled(*screenshot, second, kWhite));
    expectWindowFramedByHost(second);
}

TEST_F(LayoutScreenshotTest, WindowsShowNoUnrenderedPictureBeforeTheirFirstRender)
{
    EXPECT_TRUE(isFilled(*atOnce, atOnce->hostPixels(0.1, 0.1, 0.45, 0.6), kWhite));
    EXPECT_TRUE(isFilled(*atOnce, atOnce->hostPixels(0.55, 0.05, 0.95, 0.333), kWhite));
    EXPECT_TRUE(isFilled(*atOnce, atOnce->hostPixels(0.45, 0, 0.55, 1), kHostColour));
}

TEST_F(LayoutScreenshotTest, DefaultDrawRequestShowsTheStatisticsText)
{
    const QRect statistics = screenshot->hostPixels(0.55, 0.5, 0.95, 0.95);

    EXPECT_FALSE(isFilled(*screenshot, statistics, kWhite)) << "no statistics text";
    // The text sits at the top left; the lower half of the window stays white.
    EXPECT_TRUE(isFilled(*screenshot, statistics.adjusted(0, statistics.height() / 2, 0, 0), kWhite));
    expectWindowFramedByHost(statistics);
}

TEST_F(LayoutScreenshotTest, HostColourFillsTheAreaNoWindowCovers)
{
    EXPECT_TRUE(isFilled(*screenshot, screenshot->hostPixels(0.45, 0, 0.55, 1), kHostColour));
    EXPECT_TRUE(isFilled(*screenshot, screenshot->hostPixels(0, 0, 0.1, 1), kHostColour));
    EXPECT_TRUE(isFilled(*screenshot, screenshot->hostPixels(0, 0, 0.55, 0.1), kHostColour));
}

} // namespace
