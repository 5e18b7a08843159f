#include "documents/FileDialogHelper.h"

#include "documents/FileTypes.h"
#include "platform/Chooser.h"
#include "platform/Message.h"
#include "support/TestFiles.h"
#include "xml/XmlDocument.h"

#include <filesystem>
#include <gtest/gtest.h>

using testing_support::CurrentDirectoryScope;
using testing_support::TemporaryFolder;

namespace {

// A chooser that wanders to another folder before answering, as a user browsing would.
class WanderingChooser : public platform::Chooser {
public:
    WanderingChooser(std::filesystem::path folder, std::optional<std::string> answer)
        : folder_(std::move(folder))
        , answer_(std::move(answer))
    {
    }
    std::optional<std::string> chooseFile(const platform::FileDialogRequest&) override
    {
        std::filesystem::current_path(folder_);
        return answer_;
    }
    std::optional<std::uint32_t> chooseColour(QWidget*, std::uint32_t) override { return std::nullopt; }

private:
    std::filesystem::path folder_;
    std::optional<std::string> answer_;
};

// Records the path handed to SaveToPath and answers with a chosen result.
class SavingHelper : public FileDialogHelper {
public:
    HRESULT SaveToPath(const std::string& path) override
    {
        savedPaths.push_back(path);
        return saveResult;
    }
    std::vector<std::string> savedPaths;
    HRESULT saveResult = S_OK;
};

class FileDialogHelperTest : public ::testing::Test {
protected:
    TemporaryFolder root_;
    CurrentDirectoryScope inRoot_ { root_.path() };
    platform::ScriptedChooser chooser_;
    platform::ScopedChooser installed_ { chooser_ };
};

} // namespace

TEST_F(FileDialogHelperTest, CancellingOpenEmptiesThePathAndKeepsTheDirectory)
{
    FileDialogHelper helper;
    helper.setPath("old/path.lay");
    chooser_.answerCancel();

    EXPECT_EQ(helper.open(nullptr, file_types::kLayout), E_FAIL);

    EXPECT_EQ(helper.getPath(), "");
    EXPECT_EQ(helper.getTitle(), "");
    EXPECT_EQ(std::filesystem::current_path(), root_.path());
}

TEST_F(FileDialogHelperTest, OpenPassesTheRequestAndKeepsTheChosenPathAndTitle)
{
    FileDialogHelper helper;
    chooser_.answerFile("AstreonLayouts/Sky.lay");

    EXPECT_EQ(helper.open(nullptr, file_types::kLayout), S_OK);

    EXPECT_EQ(helper.getPath(), "AstreonLayouts/Sky.lay");
    EXPECT_EQ(helper.getTitle(), "Sky.lay");
    const auto requests = chooser_.fileRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, platform::FileDialogKind::Open);
    EXPECT_EQ(requests[0].defaultExtension, ".lay");
    EXPECT_EQ(requests[0].filterDescription, "LAY files (*.LAY)");
    EXPECT_EQ(requests[0].filterPattern, "*.lay");
    EXPECT_EQ(requests[0].startFolder, "AstreonLayouts/") << "no root directory is known here";
}

TEST_F(FileDialogHelperTest, BrowsingToAnotherFolderDoesNotMoveTheCurrentDirectory)
{
    const std::filesystem::path started = std::filesystem::current_path();
    TemporaryFolder elsewhere;
    for (const bool confirmed : { true, false }) {
        WanderingChooser wandering(elsewhere.path(), confirmed ? std::optional<std::string>("a.lay") : std::nullopt);
        platform::ScopedChooser scoped(wandering);
        FileDialogHelper helper;
        SavingHelper saver;

        EXPECT_EQ(helper.open(nullptr, file_types::kLayout), confirmed ? S_OK : E_FAIL);
        EXPECT_EQ(std::filesystem::current_path(), started);
        EXPECT_EQ(saver.saveAs(nullptr, file_types::kUniverse), confirmed ? S_OK : E_FAIL);
        EXPECT_EQ(std::filesystem::current_path(), started);
    }
}

TEST_F(FileDialogHelperTest, APathTooLongForThePathBufferIsAFailedDialog)
{
    FileDialogHelper helper;
    chooser_.answerFile(std::string(300, 'a'));

    EXPECT_EQ(helper.open(nullptr, file_types::kLayout), E_FAIL);
    EXPECT_EQ(helper.getPath(), "");
}

TEST_F(FileDialogHelperTest, SetPathKeepsAtMost259CharactersAndNullEmptiesIt)
{
    FileDialogHelper helper;
    helper.setPath(std::string(400, 'p').c_str());
    EXPECT_EQ(helper.getPath(), std::string(259, 'p'));

    helper.setPath(nullptr);
    EXPECT_EQ(helper.getPath(), "");
}

TEST_F(FileDialogHelperTest, LoadDocumentWithAnEmptyPathFailsWithoutMakingADocument)
{
    FileDialogHelper helper;
    std::unique_ptr<XmlDocument> document;

    EXPECT_EQ(helper.loadDocument(document, 0), E_FAIL);
    EXPECT_EQ(document, nullptr);
}

TEST_F(FileDialogHelperTest, OpenDocumentLoadsTheChosenFile)
{
    root_.write("chosen.xml", "<Root><Value>42</Value></Root>");
    FileDialogHelper helper;
    chooser_.answerFile("chosen.xml");
    std::unique_ptr<XmlDocument> document;

    ASSERT_EQ(helper.openDocument(document, nullptr, ".xml", { "XML files", "*.xml" }, "."), S_OK);

    ASSERT_NE(document, nullptr);
    std::string value;
    EXPECT_EQ(document->readText("Root/Value", value), S_OK);
    EXPECT_EQ(value, "42");
}

TEST_F(FileDialogHelperTest, AMissingChosenFileGivesTheLoadFailureAndTheCallerTheDocument)
{
    platform::MessageRecorder messages;
    FileDialogHelper helper;
    chooser_.answerFile("missing.xml");
    std::unique_ptr<XmlDocument> document;

    EXPECT_TRUE(FAILED(helper.openDocument(document, nullptr, ".xml", { "XML files", "*.xml" }, ".")));

    EXPECT_NE(document, nullptr);
    EXPECT_EQ(messages.count(), 1u) << "opened documents load with messages on";
}

TEST_F(FileDialogHelperTest, CancelledOpenDocumentLoadsNothing)
{
    FileDialogHelper helper;
    std::unique_ptr<XmlDocument> document;

    EXPECT_EQ(helper.openDocument(document, nullptr, ".xml", { "XML files", "*.xml" }, "."), E_FAIL);
    EXPECT_EQ(document, nullptr);
}

TEST_F(FileDialogHelperTest, SaveAsHandsTheConfirmedPathToTheOwnerAndReturnsItsResult)
{
    SavingHelper helper;
    helper.setPath("previous.ptu");
    chooser_.answerCancel();
    EXPECT_EQ(helper.saveAs(nullptr, file_types::kUniverse), E_FAIL);
    EXPECT_TRUE(helper.savedPaths.empty());
    EXPECT_EQ(helper.getPath(), "") << "save as starts with an empty file name";

    chooser_.answerFile("AstreonFiles/mine.ptu");
    helper.saveResult = E_OUTOFMEMORY;
    EXPECT_EQ(helper.saveAs(nullptr, file_types::kUniverse), E_OUTOFMEMORY);
    EXPECT_EQ(helper.savedPaths, (std::vector<std::string> { "AstreonFiles/mine.ptu" }));
    EXPECT_EQ(chooser_.fileRequests().back().kind, platform::FileDialogKind::SaveAs);
    EXPECT_EQ(chooser_.fileRequests().back().startFolder, "AstreonFiles/");
}

TEST_F(FileDialogHelperTest, TheBaseOwnerSavesNothingAndSucceeds)
{
    FileDialogHelper helper;
    chooser_.answerFile("somewhere.obs");

    EXPECT_EQ(helper.saveAs(nullptr, file_types::kTrail), S_OK);
    EXPECT_FALSE(std::filesystem::exists(root_.path() / "somewhere.obs"));
}
