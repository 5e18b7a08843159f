#include "windows/ControlWindow.h"

#include "windows/HostWindow.h"
#include "windows/RecordingImageSource.h"
#include "windows/WindowFactory.h"
#include "windows/WindowTestSupport.h"

#include <QPushButton>

#include <gtest/gtest.h>

using testing_support::controlSpec;
using testing_support::newestRecord;
using testing_support::observerSpec;
using testing_support::RecordingImageSource;
using testing_support::TestHost;

namespace {

const std::vector<ButtonSpec> kBitmapButtons = { { 0, "Load" }, { 0, "Sync" }, { 0, "xAlign" }, { 0, "yAlign" } };

ControlWindow* createControl(QWidget* host, ImageSource* source, FractionalRect rect = { 0, 0, 0.5, 1 })
{
    EXPECT_EQ(createWindow(host, controlSpec(source, rect)), S_OK);
    return qobject_cast<ControlWindow*>(newestRecord()->window());
}

} // namespace

TEST(ControlWindowTest, MakesOneButtonPerTableEntryInAColumn)
{
    TestHost host;
    RecordingImageSource source;
    source.setButtons(kBitmapButtons);

    ControlWindow* const window = createControl(host.widget(), &source);

    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->buttonCount(), 4);
    const DialogBaseUnits units = ControlWindow::dialogBaseUnits();
    ASSERT_GT(units.x, 0);
    ASSERT_GT(units.y, 0);
    for (int index = 0; index < 4; ++index) {
        QPushButton* const button = window->button(index);
        EXPECT_EQ(button->text().toStdString(), kBitmapButtons[static_cast<std::size_t>(index)].label);
        EXPECT_EQ(button->geometry(), QRect(units.x, units.y + 2 * units.y * index, 20 * units.x, (7 * units.y) / 4));
    }
    EXPECT_EQ(window->button(4), nullptr);
    EXPECT_EQ(window->button(-1), nullptr);
}

TEST(ControlWindowTest, IsPlacedAtItsRectangleAndRecordedAsAControlWindow)
{
    TestHost host;
    RecordingImageSource source;

    ControlWindow* const window = createControl(host.widget(), &source, { 0.5, 0, 1, 0.5 });

    EXPECT_EQ(window->geometry(), QRect(200, 0, 200, 150));
    WindowRecord* const record = newestRecord();
    EXPECT_EQ(record->kind, kControlWindowKind);
    EXPECT_FALSE(record->hasBuffer);
    EXPECT_EQ(window->buttonCount(), 0) << "a source without buttons gives an empty window";
}

TEST(ControlWindowTest, PressingAButtonSendsItsIndexToTheSource)
{
    TestHost host;
    RecordingImageSource source;
    source.setButtons(kBitmapButtons);
    ControlWindow* const window = createControl(host.widget(), &source);

    window->button(2)->click();

    ASSERT_EQ(source.commands.size(), 1u);
    EXPECT_EQ(source.commands[0].window, window);
    EXPECT_EQ(source.commands[0].wparam & 0xffff, 2u);
    EXPECT_EQ(source.commands[0].lparam, 2);
}

TEST(ControlWindowTest, TwoControlWindowsOfOneSourceBothDriveIt)
{
    TestHost host;
    RecordingImageSource source;
    source.setButtons(kBitmapButtons);
    ControlWindow* const first = createControl(host.widget(), &source, { 0, 0, 0.5, 1 });
    ControlWindow* const second = createControl(host.widget(), &source, { 0.5, 0, 1, 1 });

    first->button(0)->click();
    second->button(3)->click();

    ASSERT_EQ(source.commands.size(), 2u);
    EXPECT_EQ(source.commands[0].window, first);
    EXPECT_EQ(source.commands[0].wparam, 0u);
    EXPECT_EQ(source.commands[1].window, second);
    EXPECT_EQ(source.commands[1].wparam, 3u);
}

TEST(ControlWindowTest, ButtonLabelsCanBeChangedByIndex)
{
    TestHost host;
    RecordingImageSource source;
    source.setButtons({ { 0, "Pause" }, { 0, "Step" } });
    ControlWindow* const window = createControl(host.widget(), &source);
    ASSERT_EQ(createWindow(host.widget(), observerSpec(&source)), S_OK);
    QWidget* const observer = newestRecord()->window();

    setControlButtonText(window, 0, "Resume");
    setControlButtonText(window, 5, "Nothing");
    setControlButtonText(window, 1, nullptr);
    setControlButtonText(observer, 0, "Nothing");
    setControlButtonText(nullptr, 0, "Nothing");

    EXPECT_EQ(window->button(0)->text(), QStringLiteral("Resume"));
    EXPECT_EQ(window->button(1)->text(), QStringLiteral("Step"));
}

TEST(ControlWindowTest, ShowsTheHostsBackgroundColourBehindItsButtons)
{
    TestHost host(true);
    RecordingImageSource source;
    source.setButtons({ { 0, "Load" } });
    const ColourRef colour = makeColour(10, 90, 160);
    ASSERT_TRUE(setHostBackgroundColour(host.widget(), colour));
    ControlWindow* const window = createControl(host.widget(), &source, { 0, 0, 0.5, 1 });

    const QImage shown = window->grab().toImage();

    EXPECT_EQ(raster::fromQColor(shown.pixelColor(window->width() - 2, window->height() - 2)), colour);
    EXPECT_EQ(raster::fromQColor(window->palette().color(QPalette::Window)), colour);

    const ColourRef changed = makeColour(200, 0, 0);
    ASSERT_TRUE(setHostBackgroundColour(host.widget(), changed));
    EXPECT_EQ(raster::fromQColor(window->palette().color(QPalette::Window)), changed)
        << "a later layout colour reaches existing control windows";
}

TEST(HostWindowTest, ClientRectangleIsTheHostsSizeAndANullHostIsRefused)
{
    TestHost host;

    EXPECT_EQ(hostClientRect(host.widget()), (PixelRect { 0, 0, TestHost::kWidth, TestHost::kHeight }));
    EXPECT_EQ(hostClientRect(nullptr), PixelRect {});
    EXPECT_FALSE(setHostBackgroundColour(nullptr, 0));
}
