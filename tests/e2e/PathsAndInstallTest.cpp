// Where the program reads and writes what it is given: paths on the command line are
// relative to the folder it was started in, paths inside layouts to the root directory,
// and an installed copy runs from any folder on the content installed with it.
#include "HostScreenshot.h"
#include "ProgramSandbox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

const QColor kFourUniversesColour(48, 48, 48);

std::string shippedLayout(const std::string& name)
{
    return ProgramSandbox::rootDirectory() + "/AstreonLayouts/" + name;
}

// Copies a layout to `target` with its first red component changed from `red` to
// `newRed`, so that a screenshot tells which copy the program read.
void writeRecoloured(const std::string& source, const std::string& target, int red, int newRed)
{
    std::string text = testing_support::readWholeFile(source);
    const std::string from = "red=" + std::to_string(red);
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << source;
    text.replace(at, from.size(), "red=" + std::to_string(newRed));
    std::filesystem::remove(target);
    std::ofstream(target, std::ios::binary) << text;
}

// The host of the screenshot at `path` shows `colour` and something else (the layout's windows).
testing::AssertionResult showsLayout(const std::string& path, QColor colour)
{
    if (!std::filesystem::exists(path))
        return testing::AssertionFailure() << "no screenshot at " << path;
    const HostScreenshot shot(path, colour);
    if (!shot.isValid())
        return testing::AssertionFailure() << "the host does not show the layout's colour";
    if (!shot.containsOtherThan(QRect(0, 0, shot.hostWidth(), shot.hostHeight()), colour))
        return testing::AssertionFailure() << "the layout's windows are missing";
    return testing::AssertionSuccess();
}

TEST(PathsAndInstallTest, CommandLinePathsAreReadAndWrittenInTheStartFolder)
{
    ProgramSandbox sandbox;
    writeRecoloured(shippedLayout("4 Universes.lay"), sandbox.file("mine.lay"), 48, 49);
    sandbox.startIn(sandbox.folder().path().string());

    const ProgramResult result
        = sandbox.run({ "--batch", "--screenshot", "shot.png", "--quit-after", "1500", "--", "mine.lay" });

    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_TRUE(showsLayout(sandbox.file("shot.png"), QColor(49, 48, 48))) << "the start folder's copy";
    EXPECT_FALSE(std::filesystem::exists(ProgramSandbox::rootDirectory() + "/shot.png"));
}

TEST(PathsAndInstallTest, ALayoutMissingFromTheStartFolderIsTakenFromTheRootDirectory)
{
    ProgramSandbox sandbox;
    sandbox.startIn(sandbox.folder().path().string());

    const ProgramResult result = sandbox.run(
        { "--batch", "--screenshot", "shot.png", "--quit-after", "1500", "--", "AstreonLayouts/4 Universes.lay" });

    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_TRUE(showsLayout(sandbox.file("shot.png"), kFourUniversesColour));
}

// Installs the build into a prefix inside the sandbox and gives the installed default
// layout the background colour (25, 32, 64), which the source tree's does not have.
std::string installInto(const ProgramSandbox& sandbox)
{
    const std::string prefix = sandbox.file("prefix");
    const std::string install = std::string("\"") + SKYLOOM_CMAKE_COMMAND + "\" --install \"" + SKYLOOM_BUILD_DIR
        + "\" --prefix \"" + prefix + "\" > \"" + sandbox.file("install.log") + "\" 2>&1";
    EXPECT_EQ(std::system(install.c_str()), 0) << install;
    EXPECT_TRUE(std::filesystem::exists(prefix + "/share/skyloom/registry.ini"));
    const std::string installedDefault = prefix + "/share/skyloom/AstreonLayouts/PtolemyUniverse.lay";
    writeRecoloured(installedDefault, installedDefault, 24, 25);
    return prefix;
}

// The installed program must need nothing of the source or build tree: run from "/",
// with no registry file but its own, it shows the default layout from its own content.
TEST(PathsAndInstallTest, AnInstalledCopyRunsFromAnyFolderOnItsOwnContent)
{
    ProgramSandbox sandbox;
    const std::string prefix = installInto(sandbox);
    sandbox.useProgram(prefix + "/bin/skyloom");
    sandbox.startIn("/");
    sandbox.withoutRegistry();

    const ProgramResult result = sandbox.run({ "--batch", "--screenshot", prefix + "/s.png", "--quit-after", "1500" });

    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_TRUE(showsLayout(prefix + "/s.png", QColor(25, 32, 64))) << "the installed content, not the source tree's";
}

// The install registers nothing; the installed tool registers the installed library in the
// installed registry file, where the installed container finds it, and Designer's plugin
// folder links to the same library.
TEST(PathsAndInstallTest, AnInstalledControlIsRegisteredAndContainedFromItsOwnFiles)
{
    ProgramSandbox sandbox;
    const std::string prefix = installInto(sandbox);
    const std::string registry = testing_support::readWholeFile(prefix + "/share/skyloom/registry.ini");
    EXPECT_EQ(registry.find("GAZERIX"), std::string::npos) << registry;
    EXPECT_TRUE(
        std::filesystem::equivalent(prefix + "/lib/qt6/plugins/designer/libgazerix.so", prefix + "/lib/libgazerix.so"));
    sandbox.startIn("/");
    sandbox.withoutRegistry();
    sandbox.useProgram(prefix + "/bin/gazerix-register");
    ASSERT_EQ(sandbox.run({}).exitCode, 0);
    sandbox.useProgram(prefix + "/bin/gazerix-container");

    const ProgramResult result = sandbox.run({ "--batch", "--screenshot", prefix + "/c.png", "--quit-after", "1500",
        "--", "AstreonLayouts/PtolemyUniverse.lay" });

    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_TRUE(showsLayout(prefix + "/c.png", QColor(25, 32, 64))) << "the installed content, not the source tree's";
}

} // namespace

namespace {

// The install puts the desktop's files and the trail program in place, and the desktop's own
// checkers accept them.
TEST(PathsAndInstallTest, TheDesktopFilesAreInstalledAndValid)
{
    ProgramSandbox sandbox;
    const std::string prefix = installInto(sandbox);
    const std::string quiet = " > \"" + sandbox.file("check.log") + "\" 2>&1";
    const std::string checks[] = {
        "desktop-file-validate \"" + prefix + "/share/applications/org.skyloom.Skyloom.desktop\"",
        "appstreamcli validate --no-net \"" + prefix + "/share/metainfo/org.skyloom.Skyloom.metainfo.xml\"",
        "xmllint --noout \"" + prefix + "/share/mime/packages/org.skyloom.Skyloom.xml\"",
        "man -l --warnings \"" + prefix + "/share/man/man1/skyloom.1\"",
        "man -l --warnings \"" + prefix + "/share/man/man1/gazerix-container.1\"",
        "man -l --warnings \"" + prefix + "/share/man/man1/gazerix-register.1\"",
        "man -l --warnings \"" + prefix + "/share/man/man1/skyloom-trail.1\"",
        "\"" + prefix + "/bin/skyloom-trail\" --version",
    };
    for (const std::string& check : checks)
        EXPECT_EQ(std::system((check + quiet).c_str()), 0) << check << "\n"
                                                           << testing_support::readWholeFile(sandbox.file("check.log"));
    for (const char* size : { "16x16", "32x32", "48x48", "256x256" })
        EXPECT_FALSE(
            QImage(QString::fromStdString(prefix + "/share/icons/hicolor/" + size + "/apps/org.skyloom.Skyloom.png"))
                .isNull())
            << size;
    EXPECT_TRUE(std::filesystem::exists(prefix + "/share/icons/hicolor/scalable/apps/org.skyloom.Skyloom.svg"));
    EXPECT_TRUE(std::filesystem::exists(prefix + "/share/doc/skyloom/user-guide.md"));
}

} // namespace
