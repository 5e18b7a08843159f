#pragma once
// A display manager under test: its own registry file and root folder, the current
// directory restored afterwards, every message recorded, and an offscreen host window.
#include "display/DisplayManager.h"
#include "platform/Message.h"
#include "support/RegistryOverride.h"
#include "support/TestFiles.h"

#include <QWidget>

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace display_testing {

// Points the registry at a file of the test's own for the fixture's lifetime.
using RegistryFileScope = testing_support::RegistryOverride;

class DisplayManagerFixture : public testing::Test {
protected:
    DisplayManagerFixture();
    ~DisplayManagerFixture() override;

    // Writes a layout file into the root folder and returns its full path.
    std::string writeLayout(const std::string& name, const std::string& content) const;
    // Attaches the host and gives the layout the host's whole client area.
    void attachHost();
    // Number of registered windows whose image source is owned by the manager.
    int windowsOfManager() const;
    ColourRef hostColour() const;

    testing_support::TemporaryFolder root;
    testing_support::CurrentDirectoryScope directoryScope { std::filesystem::current_path() };
    RegistryFileScope registryScope;
    platform::MessageRecorder recorder;
    QWidget host;
    std::unique_ptr<DisplayManager> manager;
};

// Layout text pieces.
std::string screenRect(double left, double top, double right, double bottom);
std::string observerWindow(const std::string& rect, const std::string& inner = "<Refresh>40</Refresh>");
std::string controlWindow(const std::string& rect, const std::string& inner = "");
std::string collection(const std::string& windows, const std::string& type = "KeplerUniverse");
std::string layout(const std::string& body);

} // namespace display_testing
