// The embeddable control from outside: registered with gazerix-register into the
// sandbox's registry file, placed by gazerix-container, taken away again.
#include "ProgramSandbox.h"

#include <QImage>

#include <filesystem>
#include <gtest/gtest.h>

namespace {

const std::string kUniverseLayout = "AstreonLayouts/One Universe.lay";

class GazerixContainerTest : public ::testing::Test {
protected:
    ProgramResult registerControl(const std::vector<std::string>& arguments)
    {
        sandbox_.useProgram(GAZERIX_REGISTER_PROGRAM);
        return sandbox_.run(arguments);
    }

    ProgramResult runContainer(const std::vector<std::string>& arguments)
    {
        sandbox_.useProgram(GAZERIX_CONTAINER_PROGRAM);
        return sandbox_.run(arguments);
    }

    std::string registry() const { return testing_support::readWholeFile(sandbox_.registryFile()); }

    ProgramSandbox sandbox_;
};

} // namespace

TEST_F(GazerixContainerTest, ARegisteredControlFillsItsContainerWithTheLayoutOfTheCommandLine)
{
    ASSERT_EQ(registerControl({}).exitCode, 0);
    const std::string shot = sandbox_.file("container.png");

    const ProgramResult result
        = runContainer({ "--batch", "--screenshot", shot, "--quit-after", "1500", "--", kUniverseLayout });

    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_EQ(result.errors, "");
    const QImage image(QString::fromStdString(shot));
    ASSERT_FALSE(image.isNull());
    // The layout's universe window is white; with the display window still at a fifth of
    // the container, this point would show the control's own background.
    EXPECT_EQ(image.pixelColor(image.width() * 2 / 3, image.height() * 9 / 10), QColor(Qt::white));
}

TEST_F(GazerixContainerTest, ABadPathIsSilentOnTheCommandLineAndReportedByAScriptsLoadPage)
{
    ASSERT_EQ(registerControl({}).exitCode, 0);
    const std::string script
        = sandbox_.writeScript("bad.txt", { "loadpage AstreonLayouts/No Such.lay", "menu 40001", "quit" });

    const ProgramResult result = runContainer({ "--script", script, "AstreonLayouts/No Such.lay" });

    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> lines = result.errorLines();
    ASSERT_EQ(lines.size(), 2u) << result.errors;
    EXPECT_EQ(lines[0], "MessageBox[Error Loading XML Document]: Your XML file wasn't found.");
    EXPECT_EQ(lines[1], "gazerix-container: script line 2: gazerix-container has no menu");
}

TEST_F(GazerixContainerTest, UnregisteringLeavesOnlyTheCategoriesAndTheContainerFindsNoControl)
{
    ASSERT_EQ(registerControl({}).exitCode, 0);
    ASSERT_NE(registry().find("GAZERIX.GazerixCtrl.1"), std::string::npos);

    ASSERT_EQ(registerControl({ "--unregister" }).exitCode, 0);

    const std::string left = registry();
    EXPECT_EQ(left.find("CLSID"), std::string::npos) << left;
    EXPECT_EQ(left.find("TypeLib"), std::string::npos) << left;
    EXPECT_NE(left.find("409=Controls that are safely scriptable"), std::string::npos) << left;
    EXPECT_NE(left.find("RootDir="), std::string::npos);
    const ProgramResult result = runContainer({ "--batch", kUniverseLayout });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.errors.find("GAZERIX.GazerixCtrl.1 is not registered"), std::string::npos) << result.errors;
}

TEST_F(GazerixContainerTest, WithoutTheResourceLibraryCreationFailsWithOneMessage)
{
    const std::filesystem::path alone = sandbox_.file("alone");
    std::filesystem::create_directory(alone);
    std::filesystem::copy_file(GAZERIX_LIBRARY, alone / "libgazerix.so");
    ASSERT_EQ(registerControl({ (alone / "libgazerix.so").string() }).exitCode, 0);

    const ProgramResult result = runContainer({ "--batch", kUniverseLayout });

    EXPECT_EQ(result.exitCode, 1);
    const std::vector<std::string> lines = result.errorLines();
    ASSERT_EQ(lines.size(), 2u) << result.errors;
    EXPECT_EQ(lines[0].rfind("MessageBox[Observer Window Display]: Couldn't load libtesslet.so.  Did you install "
                             "Astreon?\\r\\n",
                  0),
        0u)
        << lines[0];
    EXPECT_EQ(lines[1], "gazerix-container: the control could not be created");
}
