#include "platform/Registry.h"

#include "support/TestFiles.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

// Points $ASTREON_REGISTRY at a file for the scope of a test.
class RegistryOverride {
public:
    explicit RegistryOverride(const std::string& path)
    {
        if (const char* old = std::getenv("ASTREON_REGISTRY"))
            previous_ = old;
        setenv("ASTREON_REGISTRY", path.c_str(), 1);
    }
    ~RegistryOverride()
    {
        if (previous_)
            setenv("ASTREON_REGISTRY", previous_->c_str(), 1);
        else
            unsetenv("ASTREON_REGISTRY");
    }

private:
    std::optional<std::string> previous_;
};

} // namespace

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
