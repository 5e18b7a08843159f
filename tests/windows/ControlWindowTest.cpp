#include "windows/ControlWindow.h"

#include "windows/HostWindow.h"
#include "windows/RecordingImageSource.h"
#include "windows/WindowFactory.h"
#include "windows/WindowTestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollArea>

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

// A window too small for its buttons shrinks the column, each button no smaller than its
// label needs, and scrolls what still does not fit: no button is cut or overlaps another, and
// Tab scrolls to the button it reaches. With room again the buttons stand where they stood.
TEST(ControlWindowTest, ATooSmallWindowShrinksAndScrollsItsButtonsAndNeverCutsOne)
{
    TestHost host(true);
    RecordingImageSource source;
    source.setButtons({ { 0, "Restart" }, { 0, "Pause" }, { 0, "Load" }, { 0, "Save" }, { 0, "Randomize" },
        { 0, "Edit" }, { 0, "View" } });
    ControlWindow* const window = createControl(host.widget(), &source, { 0, 0, 0.5, 1 });
    const DialogBaseUnits units = ControlWindow::dialogBaseUnits();
    const QRect described(units.x, units.y, 20 * units.x, (7 * units.y) / 4);
    const int count = window->buttonCount();

    for (const QSize small : { QSize(8 * units.x, 14 * units.y), QSize(3 * units.x, 3 * units.y) }) {
        window->resize(small);
        const QWidget* column = window->scroller()->widget();
        for (int index = 0; index < count; ++index) {
            const QPushButton* button = window->button(index);
            EXPECT_TRUE(column->rect().contains(button->geometry().adjusted(-4, -4, 4, 4))) << index;
            EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text())) << index;
            EXPECT_GE(button->height(), button->fontMetrics().height()) << index;
            if (index > 0) {
                EXPECT_GE(button->y(), window->button(index - 1)->geometry().bottom() + 4) << "no overlap";
            }
        }
        EXPECT_LT(window->button(count - 1)->geometry().bottom(), described.bottom() + 2 * units.y * (count - 1))
            << "the column shrank";
    }

    window->button(0)->setFocus();
    for (int step = 1; step < count; ++step) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(window->focusWidget(), &tab);
    }
    ASSERT_EQ(window->focusWidget(), window->button(count - 1));
    const QRect reached(window->button(count - 1)->mapTo(window, QPoint(0, 0)), window->button(count - 1)->size());
    const QRect viewport = window->scroller()->viewport()->geometry();
    EXPECT_GE(reached.top(), viewport.top()) << "Tab scrolls to the button";
    EXPECT_LE(reached.bottom(), viewport.bottom()) << "Tab scrolls to the button";

    window->resize(TestHost::kWidth / 2, TestHost::kHeight);
    EXPECT_EQ(window->button(0)->geometry(), described);
    EXPECT_EQ(window->button(1)->geometry(), described.translated(0, 2 * units.y));
}
