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
