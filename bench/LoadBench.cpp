// The cost of loading, measured in wall time (clock threads start and stop within a load):
//   LayoutLoad     "4 Framed Candy Universes.lay" through the display manager of a shown
//                  1000 x 700 host, as the Layout menu and the demonstration load it: the
//                  file read and parsed, the layout on screen before it destroyed, four
//                  universes built from their universe files and every window created.
//                  The windows' first paint, which the event loop runs afterwards, is not counted.
//   UniverseLoad   a universe file of 32 systems read into a universe, as its "src" argument
//                  and its Load button read one (the file is written by the universe writer
//                  from the systems of the shipped Planets.ptu, eight times over).
// Times are wall times of one load.
#include "display/DisplayManager.h"
#include "platform/Registry.h"
#include "ptolemy/BodyList.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemy/UniverseFile.h"
#include "tests/support/RegistryOverride.h"
#include "xml/XmlDocument.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;
constexpr const char* kLayout = "AstreonLayouts/4 Framed Candy Universes.lay";
constexpr const char* kSystemsSource = "AstreonFiles/Planets.ptu";
constexpr int kUniverseSystems = BodyList::kMaxBodies;

// Lets deleted windows go and the window system expose and paint what is shown.
void settle()
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
}

// A registry of the benchmark's own whose root directory is the shipped data folder, so
// that the layout's relative paths resolve as they do in the installed program.
class DataRegistry {
public:
    DataRegistry()
        : registry_(writeRegistry(folder_))
    {
    }

private:
    static std::string writeRegistry(const QTemporaryDir& folder)
    {
        const std::string file = folder.filePath(QStringLiteral("registry.ini")).toStdString();
        std::ofstream(file) << "[SOFTWARE/Astreon/ObserverWindow]\nRootDir=" << platform::programDataDir() << "\n";
        return file;
    }

    QTemporaryDir folder_;
    testing_support::RegistryOverride registry_;
};

void LayoutLoad(benchmark::State& state)
{
    const DataRegistry registry;
    QWidget host;
    host.resize(kWidth, kHeight);
    host.show();
    DisplayManager manager;
    if (FAILED(manager.attachWindow(&host, 0)) || FAILED(manager.setScreenRect(0, 0, 1, 1))) {
        state.SkipWithError("the display manager does not attach");
        return;
    }
    // The first load opens the windows that every measured load replaces.
    if (manager.load(kLayout, 0) != S_OK) {
        state.SkipWithError("the layout does not load");
        return;
    }
    settle();
    for (auto _ : state) {
        if (manager.load(kLayout, 0) != S_OK) {
            state.SkipWithError("the layout does not load");
            break;
        }
        state.PauseTiming();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(LayoutLoad)->Unit(benchmark::kMillisecond)->UseRealTime();

// Writes a universe file of kUniverseSystems systems into `folder`; empty on failure.
std::string writeLargeUniverse(const QTemporaryDir& folder)
{
    const std::string source = platform::programDataDir() + "/" + kSystemsSource;
    PtolemyUniverse universe;
    if (FAILED(universe.LoadFromPath(source)))
        return {};
    while (universe.Bodies().Count() < kUniverseSystems) {
        XmlDocument document;
        if (FAILED(document.loadFile(source.c_str(), 0)) || FAILED(ReadUniverseFile(universe, document)))
            return {};
    }
    const std::string path = folder.filePath(QStringLiteral("Systems.ptu")).toStdString();
    return SUCCEEDED(WriteUniverseFile(universe, path)) ? path : std::string();
}

void UniverseLoad(benchmark::State& state)
{
    const QTemporaryDir folder;
    const std::string path = writeLargeUniverse(folder);
    PtolemyUniverse universe;
    if (path.empty() || universe.LoadFromPath(path) != S_OK || universe.Bodies().Count() != kUniverseSystems) {
        state.SkipWithError("the universe file does not load");
        return;
    }
    for (auto _ : state) {
        if (universe.LoadFromPath(path) != S_OK) {
            state.SkipWithError("the universe file does not load");
            break;
        }
    }
}
BENCHMARK(UniverseLoad)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
