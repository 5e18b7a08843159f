// Every shipped layout, shown in the main window at its default size, shows every button
// of its control windows whole.
#include "display/DisplayManager.h"
#include "platform/Message.h"
#include "shell/MainWindow.h"
#include "windows/ControlWindow.h"
#include "windows/WindowRegistry.h"

#include <QPushButton>

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> shippedLayouts()
{
    std::vector<std::string> names;
    for (const auto& entry :
        std::filesystem::directory_iterator(std::filesystem::path(SKYLOOM_DATA_DIR) / "AstreonLayouts"))
        if (entry.path().extension() == ".lay")
            names.push_back("AstreonLayouts/" + entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(ShippedLayoutButtons, EveryButtonLiesInsideItsControlWindow)
{
    platform::MessageRecorder recorder;
    MainWindow window;
    window.show();
    const std::vector<std::string> layouts = shippedLayouts();
    ASSERT_GE(layouts.size(), 8u);
    for (const std::string& layout : layouts) {
        ASSERT_EQ(window.displayManager()->load(layout.c_str(), 1), S_OK) << layout;
        int buttons = 0;
        for (const ControlWindow* control : window.host()->findChildren<ControlWindow*>()) {
            for (int index = 0; index < control->buttonCount(); ++index, ++buttons) {
                const QPushButton* button = control->button(index);
                EXPECT_TRUE(control->rect().contains(button->geometry()))
                    << layout << ": '" << button->text().toStdString() << "' at " << button->geometry().x() << ","
                    << button->geometry().y() << " " << button->width() << "x" << button->height() << " in "
                    << control->width() << "x" << control->height();
            }
        }
        EXPECT_EQ(recorder.count(), 0u) << layout;
    }
}
