// The start of the fuzzers whose readers need no Qt application: every message the
// engine shows goes to the quiet sink. Compiled into each such fuzzer (see CMakeLists.txt),
// as libFuzzer looks for this function in the program itself.
#include "QuietMessageSink.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::QuietMessageSink::install();
    return 0;
}
