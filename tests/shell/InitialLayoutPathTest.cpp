#include "shell/InitialLayoutPath.h"

#include "platform/Registry.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

TEST(InitialLayoutPathTest, ANullPathIsRejectedAndChangesNothing)
{
    ASSERT_EQ(setInitialLayoutPath("kept.lay"), S_OK);

    EXPECT_EQ(setInitialLayoutPath(nullptr), E_INVALIDARG);
    EXPECT_STREQ(initialLayoutPath(), "kept.lay");
}

TEST(InitialLayoutPathTest, ALongerPathIsCutAt260Characters)
{
    const std::string longPath = std::string(250, 'a') + std::string(50, 'b');

    EXPECT_EQ(setInitialLayoutPath(longPath.c_str()), S_OK);

    EXPECT_EQ(std::strlen(initialLayoutPath()), kMaxInitialLayoutPath);
    EXPECT_EQ(std::string(initialLayoutPath()), longPath.substr(0, 260));

    EXPECT_EQ(setInitialLayoutPath("short.lay"), S_OK);
    EXPECT_STREQ(initialLayoutPath(), "short.lay") << "a shorter path leaves nothing of the longer one";
}

TEST(InitialLayoutPathTest, TheDefaultIsTheShippedPtolemyUniverseLayout)
{
    const std::filesystem::path path = defaultInitialLayoutPath();

    EXPECT_TRUE(path.is_absolute());
    EXPECT_EQ(path.filename(), "PtolemyUniverse.lay");
    EXPECT_EQ(path.parent_path().filename(), "AstreonLayouts");
    EXPECT_EQ(std::filesystem::weakly_canonical(path.parent_path().parent_path()),
        std::filesystem::weakly_canonical(platform::programDataDir()));
}

TEST(InitialLayoutPathTest, ACommandLineTailOfTwoOrMoreCharactersIsUsedVerbatim)
{
    EXPECT_EQ(chooseInitialLayout(""), defaultInitialLayoutPath());
    EXPECT_EQ(chooseInitialLayout("x"), defaultInitialLayoutPath()) << "one character is ignored";
    EXPECT_EQ(chooseInitialLayout("ab"), "ab");
    EXPECT_EQ(chooseInitialLayout("\"My Layouts/Sky.lay\""), "\"My Layouts/Sky.lay\"") << "quotes are kept";
    EXPECT_EQ(chooseInitialLayout(" padded.lay "), " padded.lay ") << "nothing is trimmed";
}
