// Every layout shipped in the program's data folder loads cleanly, as the simulator
// loads it: relative paths against the data folder, messages on.
#include "display/DisplayManager.h"
#include "display/DisplayManagerFixture.h"
#include "platform/Message.h"
#include "platform/Registry.h"
#include "ptolemy/PtolemyUniverse.h"
#include "sources/BitmapDisplayWindow.h"
#include "support/TestFiles.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

#include <QRegularExpression>
#include <QWidget>

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The names of the shipped layout files, in name order.
std::vector<std::string> shippedLayoutNames(const fs::path& dataFolder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(dataFolder / "AstreonLayouts")) {
        if (entry.is_regular_file() && entry.path().extension() == ".lay")
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<WindowRecord*> windowsOf(DisplayManager& manager)
{
    std::vector<WindowRecord*> windows;
    for (WindowRecord* record : WindowRegistry::instance().records()) {
        SourceOwner* owner = nullptr;
        if (record->imageSource && SUCCEEDED(record->imageSource->getOwner(&owner))
            && owner == static_cast<SourceOwner*>(&manager))
            windows.push_back(record);
    }
    return windows;
}

// Loads one layout into a fresh display manager whose root directory is the data folder and
// checks that it built its screen without a message, with every picture it names in place.
void expectLoadsCleanly(const fs::path& dataFolder, const std::string& name)
{
    SCOPED_TRACE(name);
    const testing_support::TemporaryFolder folder;
    const display_testing::RegistryFileScope registry(
        folder.write("registry.ini", "[SOFTWARE/Astreon/ObserverWindow]\nRootDir=" + dataFolder.string() + "\n"));
    const testing_support::CurrentDirectoryScope directory(dataFolder);
    platform::MessageRecorder recorder;
    QWidget host;
    host.resize(1000, 700);
    auto manager = std::make_unique<DisplayManager>();
    ASSERT_EQ(manager->attachWindow(&host, 1), S_OK);
    ASSERT_EQ(manager->setScreenRect(0, 0, 1, 1), S_OK);

    EXPECT_EQ(manager->load(("AstreonLayouts/" + name).c_str(), 1), S_OK);
    for (const platform::ShownMessage& message : recorder.messages())
        ADD_FAILURE() << "message [" << message.caption << "]: " << message.text;

    const std::size_t messagesAfterLoad = recorder.count();
    const std::vector<WindowRecord*> windows = windowsOf(*manager);
    EXPECT_FALSE(windows.empty());
    for (WindowRecord* record : windows) {
        if (!record->background.src.empty()) {
            EXPECT_EQ(record->backgroundBitmap.isValid(), S_OK) << "background " << record->background.src;
        }
        if (auto* bitmapDisplay = dynamic_cast<BitmapDisplayWindow*>(record->imageSource)) {
            EXPECT_TRUE(bitmapDisplay->hasBitmap()) << bitmapDisplay->path();
        }
        if (record->isObserver()) {
            EXPECT_TRUE(record->renderBackBuffer());
            // A screen reader hears what each window shows, and where each planet is.
            const QWidget* window = record->window();
            EXPECT_FALSE(window->accessibleName().isEmpty());
            if (dynamic_cast<PtolemyUniverse*>(record->imageSource)) {
                EXPECT_TRUE(
                    window->accessibleDescription().contains(QRegularExpression(" at longitude \\d+°, moving ")))
                    << window->accessibleDescription().toStdString();
            }
        }
    }
    EXPECT_EQ(recorder.count(), messagesAfterLoad) << "drawing showed a message";
    manager.reset();
}

} // namespace

TEST(ShippedLayoutsTest, EveryShippedLayoutLoadsWithoutAMessage)
{
    const fs::path dataFolder = fs::absolute(platform::programDataDir());
    const std::vector<std::string> names = shippedLayoutNames(dataFolder);
    ASSERT_FALSE(names.empty()) << dataFolder;
    for (const std::string& name : names)
        expectLoadsCleanly(dataFolder, name);
}
