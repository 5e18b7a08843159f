// A layout with more animated image sources than the system has threads for: each such
// source runs a clock thread, and when no thread can be made the build fails with a
// failure code instead of ending the process.
#include "imagesource/ImageSource.h"
#include "platform/Message.h"
#include "sources/ImageSourceBuilder.h"
#include "support/TestFiles.h"
#include "xml/XmlDocument.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Makes thread creation fail from here on: a limit of one process for the user refuses
// every new thread. Root is exempt from the limit, so a root process first becomes the
// unprivileged user "nobody" (which also drops its capabilities).
void refuseNewThreads()
{
    constexpr uid_t kNobody = 65534;
    if (geteuid() == 0 && (setresgid(kNobody, kNobody, kNobody) != 0 || setresuid(kNobody, kNobody, kNobody) != 0))
        std::_Exit(3);
    const rlimit oneProcess { 1, 1 };
    if (setrlimit(RLIMIT_NPROC, &oneProcess) != 0)
        std::_Exit(4);
}

// Builds a source of `type` with thread creation refused; the process exits with 0
// when the build failed with a failure code and left no source, with 1 otherwise.
// _Exit: the child ends without running exit handlers that would need threads themselves.
void buildWithoutThreads(const std::string& documentPath)
{
    platform::MessageRecorder recorder;
    XmlDocument document;
    if (FAILED(document.loadFile(documentPath.c_str(), 0)))
        std::_Exit(2);
    XmlNode element(document.getCurrent());
    element.select("ImageSource");
    XmlNode source(element.getSelected());
    refuseNewThreads();
    ImageSourceBuilder builder;
    std::unique_ptr<ImageSource> built;
    const HRESULT result = builder.Build(&source, built);
    std::_Exit(FAILED(result) && !built ? 0 : 1);
}

class ThreadExhaustionTest : public testing::TestWithParam<const char*> {
protected:
    testing_support::TemporaryFolder scratch;
};

TEST_P(ThreadExhaustionTest, BuildFailsWhenNoClockThreadCanBeMade)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string path
        = scratch.write("source.xml", std::string("<ImageSource><type>") + GetParam() + "</type></ImageSource>");
    EXPECT_EXIT(buildWithoutThreads(path), testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(
    AnimatedSources, ThreadExhaustionTest, testing::Values("KeplerUniverse", "PtolemyUniverse", "Observatory"));

} // namespace
