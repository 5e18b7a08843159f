#pragma once
// A root directory for shell tests: a registry file naming it (through ASTREON_REGISTRY,
// restored afterwards) and the seven demonstration layouts, each with its own
// background colour and no windows, so a test can tell which one was loaded.
#include "platform/Colour.h"
#include "shell/MainWindow.h"
#include "support/RegistryOverride.h"
#include "support/TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace testing_support {

class DemoRoot {
public:
    DemoRoot()
    {
        std::filesystem::create_directories(folder_.path() / "AstreonLayouts");
        for (int index = 0; index < MainWindow::kDemoLayoutCount; ++index)
            folder_.write(MainWindow::demoLayoutPath(index), colourLayout(colourOf(index)));
    }
    DemoRoot(const DemoRoot&) = delete;
    DemoRoot& operator=(const DemoRoot&) = delete;

    // The background colour of demonstration layout `index`.
    static ColourRef colourOf(int index) { return makeColour(10 + index, 20 + index, 30 + index); }

    static std::string colourLayout(ColourRef colour)
    {
        return "<Layout><BackgroundColor><arg>red=" + std::to_string(redOf(colour))
            + "</arg><arg>green=" + std::to_string(greenOf(colour))
            + "</arg><arg>blue=" + std::to_string(blueOf(colour)) + "</arg></BackgroundColor></Layout>";
    }

    const TemporaryFolder& folder() const { return folder_; }

private:
    TemporaryFolder folder_;
    CurrentDirectoryScope keepDirectory_ { std::filesystem::current_path() };
    RegistryOverride registry_ { folder_.write(
        "registry.ini", "[SOFTWARE/Astreon/ObserverWindow]\nRootDir=" + folder_.path().string() + "\n") };
};

} // namespace testing_support
