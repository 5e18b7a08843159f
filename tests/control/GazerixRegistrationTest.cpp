#include "control/GazerixRegistration.h"

#include "platform/IniFile.h"
#include "support/RegistryOverride.h"
#include "support/TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

const std::string kControl = "SOFTWARE/Classes/CLSID/{6F1C2A41-8B7E-4D2A-9C35-2E7B5A9D0C11}";
const std::string kPage = "SOFTWARE/Classes/CLSID/{6F1C2A42-8B7E-4D2A-9C35-2E7B5A9D0C11}";
const std::string kTypeLibrary = "SOFTWARE/Classes/TypeLib/{6F1C2A40-8B7E-4D2A-9C35-2E7B5A9D0C11}/1.0";
const std::string kDispatch = "SOFTWARE/Classes/Interface/{6F1C2A43-8B7E-4D2A-9C35-2E7B5A9D0C11}";
const std::string kEvents = "SOFTWARE/Classes/Interface/{6F1C2A44-8B7E-4D2A-9C35-2E7B5A9D0C11}";
const std::string kScriptable = "SOFTWARE/Classes/Component Categories/{7DD95801-9882-11CF-9FA9-00AA006C42C4}";
const std::string kInitializable = "SOFTWARE/Classes/Component Categories/{7DD95802-9882-11CF-9FA9-00AA006C42C4}";
const std::string kLibrary = "/opt/sky,2026/lib/libgazerix.so";

class GazerixRegistrationTest : public ::testing::Test {
protected:
    std::optional<std::string> read(const std::string& key) const { return platform::readIniValue(registry_, key); }

    testing_support::TemporaryFolder folder_;
    const std::string registry_ = folder_.write(
        "registry.ini", "; the simulator's root\n[SOFTWARE/Astreon/ObserverWindow]\nRootDir=/home/ana/sky\n");
    testing_support::RegistryOverride override_ { registry_ };
};

} // namespace

TEST_F(GazerixRegistrationTest, RegisteringWritesEveryRecordAndUnregisteringKeepsOnlyTheCategories)
{
    ASSERT_EQ(GazerixRegistration::registerServer(kLibrary), S_OK) << GazerixRegistration::lastError();

    EXPECT_EQ(read("SOFTWARE/Classes/GAZERIX.GazerixCtrl.1/Default"), "Gazerix Control");
    EXPECT_EQ(read("SOFTWARE/Classes/GAZERIX.GazerixCtrl.1/CLSID/Default"), "{6F1C2A41-8B7E-4D2A-9C35-2E7B5A9D0C11}");
    EXPECT_EQ(read(kControl + "/InprocServer32/Default"), kLibrary);
    EXPECT_EQ(read(kControl + "/InprocServer32/ThreadingModel"), "Apartment");
    EXPECT_EQ(read(kControl + "/Insertable/Default"), "");
    EXPECT_EQ(read(kControl + "/MiscStatus/1/Default"), std::to_string(0x20191));
    EXPECT_EQ(read(kControl + "/ToolboxBitmap32/Default"), kLibrary + ", 1");
    EXPECT_EQ(read(kControl + "/TypeLib/Default"), "{6F1C2A40-8B7E-4D2A-9C35-2E7B5A9D0C11}");
    EXPECT_EQ(read(kControl + "/Version/Default"), "1.0");
    EXPECT_TRUE(read(kControl + "/Implemented Categories/{7DD95801-9882-11CF-9FA9-00AA006C42C4}/Default"));
    EXPECT_EQ(read("SOFTWARE/Classes/GAZERIX.GazerixPropPage.1/Default"), "Gazerix Property Page");
    EXPECT_EQ(read(kPage + "/ProgID/Default"), "GAZERIX.GazerixPropPage.1");
    EXPECT_EQ(read(kTypeLibrary + "/Name"), "GAZERIXLib");
    EXPECT_EQ(read(kTypeLibrary + "/Locale"), "1033");
    EXPECT_EQ(read(kTypeLibrary + "/409/linux/Default"), kLibrary);
    EXPECT_EQ(read(kDispatch + "/Default"), "_DGazerix");
    EXPECT_EQ(read(kDispatch + "/Members/1"), "void LoadPage(string pathToLoad)");
    EXPECT_EQ(read(kEvents + "/Default"), "_DGazerixEvents");
    EXPECT_EQ(read(kScriptable + "/409"), "Controls that are safely scriptable");
    EXPECT_EQ(read(kInitializable + "/409"), "Controls safely initializable from persistent data");

    ASSERT_EQ(GazerixRegistration::unregisterServer(), S_OK);

    EXPECT_EQ(read(kScriptable + "/409"), "Controls that are safely scriptable");
    EXPECT_EQ(read(kInitializable + "/409"), "Controls safely initializable from persistent data");
    for (const std::string& gone : { std::string("SOFTWARE/Classes/GAZERIX.GazerixCtrl.1/Default"),
             kControl + "/Default", kControl + "/Implemented Categories/{7DD95801-9882-11CF-9FA9-00AA006C42C4}/Default",
             kPage + "/Default", kTypeLibrary + "/Name", kDispatch + "/Default", kEvents + "/Default" })
        EXPECT_FALSE(read(gone)) << gone;
    EXPECT_EQ(read("SOFTWARE/Astreon/ObserverWindow/RootDir"), "/home/ana/sky");
    EXPECT_EQ(testing_support::readWholeFile(registry_).rfind("; the simulator's root\n", 0), 0u);
}

TEST_F(GazerixRegistrationTest, ARegistryFileThatCannotBeWrittenFailsTheTypeLibraryAndStaysAsItWas)
{
    const std::string before = testing_support::readWholeFile(registry_);
    std::filesystem::permissions(registry_, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);

    EXPECT_EQ(GazerixRegistration::registerServer(kLibrary), static_cast<HRESULT>(0x80040200));
    EXPECT_EQ(GazerixRegistration::unregisterServer(), static_cast<HRESULT>(0x80040200));
    EXPECT_NE(GazerixRegistration::lastError().find(registry_), std::string::npos) << GazerixRegistration::lastError();
    EXPECT_EQ(testing_support::readWholeFile(registry_), before);
}

// The registry file the variable names is the one written even before it exists: it is
// made, with the root directory of this program's own data, and not the build tree's or
// the installed one.
TEST(GazerixRegistrationFile, ANamedRegistryFileThatDoesNotExistIsMadeWithARootDirectory)
{
    testing_support::TemporaryFolder folder;
    const std::string named = folder.file("new/registry.ini");
    testing_support::RegistryOverride override(named);

    ASSERT_EQ(GazerixRegistration::registerServer(kLibrary), S_OK) << GazerixRegistration::lastError();

    EXPECT_EQ(platform::readIniValue(named, kControl + "/InprocServer32/Default"), kLibrary);
    const std::optional<std::string> root = platform::readIniValue(named, "SOFTWARE/Astreon/ObserverWindow/RootDir");
    ASSERT_TRUE(root);
    EXPECT_TRUE(std::filesystem::is_directory(*root + "/AstreonLayouts")) << *root;
}
