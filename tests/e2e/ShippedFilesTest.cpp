// The shipped content is valid against the document type definitions that
// docs/file-formats.md describes: layouts against Layout.dtd, universes and trails against
// the DTDs named in their DOCTYPE.
#include "support/TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::vector<std::filesystem::path> shippedFiles(const std::string& folder, const std::string& extension)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry :
        std::filesystem::directory_iterator(std::filesystem::path(SKYLOOM_SHIPPED_DATA_DIR) / folder))
        if (entry.path().extension() == extension)
            files.push_back(entry.path());
    return files;
}

// Runs xmllint with `options` on `file`: the empty text when the file is valid, else
// what xmllint said.
std::string xmllintProblems(const std::string& options, const std::filesystem::path& file)
{
    const testing_support::TemporaryFolder folder;
    const std::string report = folder.file("xmllint.txt");
    const std::string command = "xmllint --noout " + options + " \"" + file.string() + "\" > \"" + report + "\" 2>&1";
    const int status = std::system(command.c_str());
    const std::string said = testing_support::readWholeFile(report);
    return status == 0 && said.empty() ? std::string() : "status " + std::to_string(status) + ": " + said;
}

} // namespace

TEST(ShippedFilesTest, EveryLayoutUniverseAndTrailIsValidAgainstItsDtd)
{
    const std::filesystem::path layoutDtd
        = std::filesystem::path(SKYLOOM_SHIPPED_DATA_DIR) / "AstreonLayouts/Layout.dtd";
    const std::vector<std::filesystem::path> layouts = shippedFiles("AstreonLayouts", ".lay");
    ASSERT_GE(layouts.size(), 8u);
    for (const auto& layout : layouts)
        EXPECT_EQ(xmllintProblems("--dtdvalid \"" + layoutDtd.string() + "\"", layout), "") << layout;
    // libxml2 finds the DTD a DOCTYPE names beside the file only when the file's path holds no
    // space ("Mars Fitted.ptu" has one): --path names that folder for it.
    const std::filesystem::path files = std::filesystem::path(SKYLOOM_SHIPPED_DATA_DIR) / "AstreonFiles";
    const std::string valid = "--valid --path \"" + files.string() + "\"";
    const std::vector<std::filesystem::path> universes = shippedFiles("AstreonFiles", ".ptu");
    ASSERT_FALSE(universes.empty());
    for (const auto& universe : universes)
        EXPECT_EQ(xmllintProblems(valid, universe), "") << universe;
    for (const auto& trail : shippedFiles("AstreonFiles", ".obs"))
        EXPECT_EQ(xmllintProblems(valid, trail), "") << trail;
}
