// The main of the drawing benchmarks: a QApplication, and the shared sprites when the
// resource library is beside the program (the plain fallbacks are drawn otherwise).
#include "drawing/SharedSprites.h"
#include "platform/ResourceLibrary.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <memory>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const std::unique_ptr<platform::ResourceLibrary> library = platform::ResourceLibrary::load();
    if (library) {
        platform::ResourceLibrary::setCurrent(library.get());
        loadSharedSprites(library.get());
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    platform::ResourceLibrary::setCurrent(nullptr);
    return 0;
}
