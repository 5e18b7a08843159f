// The start of the fuzzers that draw or load pictures: the offscreen Qt application
// (fonts, image plugins), then the quiet sink for every message the engine shows.
// Compiled into each such fuzzer (see CMakeLists.txt), as libFuzzer looks for this
// function in the program itself.
#include "OffscreenApplication.h"
#include "QuietMessageSink.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startOffscreenApplication();
    fuzz::QuietMessageSink::install();
    return 0;
}
