#include "display/DisplayManagerFixture.h"

#include "imagesource/ImageSource.h"
#include "raster/DeviceContext.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

#include <QPalette>

#include <cstdlib>

namespace display_testing {

DisplayManagerFixture::DisplayManagerFixture()
    : registryScope(
        root.write("registry.ini", "[SOFTWARE/Astreon/ObserverWindow]\nRootDir=" + root.path().string() + "\n"))
{
    host.resize(1000, 700);
    manager = std::make_unique<DisplayManager>();
}

DisplayManagerFixture::~DisplayManagerFixture() { manager.reset(); }

std::string DisplayManagerFixture::writeLayout(const std::string& name, const std::string& content) const
{
    return root.write(name, content);
}

void DisplayManagerFixture::attachHost()
{
    ASSERT_EQ(manager->attachWindow(&host, 1), S_OK);
    ASSERT_EQ(manager->setScreenRect(0, 0, 1, 1), S_OK);
}

int DisplayManagerFixture::windowsOfManager() const
{
    int count = 0;
    for (WindowRecord* record : WindowRegistry::instance().records()) {
        SourceOwner* owner = nullptr;
        if (record->imageSource && SUCCEEDED(record->imageSource->getOwner(&owner))
            && owner == static_cast<SourceOwner*>(manager.get()))
            ++count;
    }
    return count;
}

ColourRef DisplayManagerFixture::hostColour() const
{
    return raster::fromQColor(host.palette().color(QPalette::Window));
}

std::string screenRect(double left, double top, double right, double bottom)
{
    return "<ScreenRect><left>" + std::to_string(left) + "</left><top>" + std::to_string(top) + "</top><right>"
        + std::to_string(right) + "</right><bottom>" + std::to_string(bottom) + "</bottom></ScreenRect>";
}

std::string observerWindow(const std::string& rect, const std::string& inner)
{
    return "<ObserverWindow>" + rect + inner + "</ObserverWindow>";
}

std::string controlWindow(const std::string& rect, const std::string& inner)
{
    return "<ControlWindow>" + rect + inner + "</ControlWindow>";
}

std::string collection(const std::string& windows, const std::string& type)
{
    return "<ImageSourceCollection><ImageSource><type>" + type + "</type></ImageSource><Windows>" + windows
        + "</Windows></ImageSourceCollection>";
}

std::string layout(const std::string& body) { return "<?xml version=\"1.0\"?>\n<Layout>" + body + "</Layout>\n"; }

} // namespace display_testing
