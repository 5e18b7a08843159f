#include "platform/Registry.h"

#include "support/RegistryOverride.h"
#include "support/TestFiles.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

using testing_support::RegistryOverride;

TEST(Registry, ReadsRootDirFromTheCanonicalForm)
{
    testing_support::TemporaryFolder folder;
    const std::string file
        = folder.write("registry.ini", "[SOFTWARE/Astreon/ObserverWindow]\nRootDir=/srv/astreon data\n");
    RegistryOverride override(file);
    EXPECT_EQ(platform::registryFilePath(), file);
    ASSERT_TRUE(platform::readRootDir().has_value());
    EXPECT_EQ(*platform::readRootDir(), "/srv/astreon data");
}

TEST(Registry, MissingValueIsNotRead)
{
    testing_support::TemporaryFolder folder;
    RegistryOverride override(folder.write("registry.ini", "[SOFTWARE/Astreon/ObserverWindow]\nOther=1\n"));
    EXPECT_FALSE(platform::readRootDir().has_value());
    EXPECT_FALSE(platform::readRegistryValue("SOFTWARE\\Astreon\\Elsewhere", "RootDir").has_value());
}

TEST(Registry, EnvironmentFileThatDoesNotExistFallsThrough)
{
    RegistryOverride override("/nonexistent/folder/registry.ini");
    EXPECT_NE(platform::registryFilePath(), "/nonexistent/folder/registry.ini");
}

TEST(Registry, BuildTreeRegistryPointsAtTheShippedData)
{
    RegistryOverride override("/nonexistent/registry.ini");
    setenv("XDG_CONFIG_HOME", "/nonexistent-config", 1);
    const std::optional<std::string> root = platform::readRootDir();
    unsetenv("XDG_CONFIG_HOME");
    ASSERT_TRUE(root.has_value());
    EXPECT_EQ(*root, platform::programDataDir());
}

// A root directory holding a comma, a semicolon, backslashes and quotes comes back whole
// from a registry file written as the build and the install write theirs; a hand-written
// file with the value unquoted gives it as written too (QSettings would have split it at
// its commas and cut it at its semicolon).
TEST(Registry, RootDirWithSeparatorsAndEscapesReadsBackWhole)
{
    testing_support::TemporaryFolder folder;
    const std::string root = "/home/ana/sky,2026;term 2\\old \"best\"";
    const std::string file = folder.file("registry.ini");
    const std::string command = std::string("'") + SKYLOOM_CMAKE_COMMAND + "' '-DREGISTRY_FILE=" + file
        + "' '-DROOT_DIR=" + root + "' -P '" + SKYLOOM_REGISTRY_WRITER + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    RegistryOverride override(file);
    EXPECT_EQ(platform::readRootDir(), root);

    folder.write("registry.ini", "[SOFTWARE\\Astreon\\ObserverWindow]\n RootDir = /home/ana/sky,2026;b\\c \r\n");
    EXPECT_EQ(platform::readRootDir(), "/home/ana/sky,2026;b\\c");
}
