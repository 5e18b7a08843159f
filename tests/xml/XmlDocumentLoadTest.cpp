// Loading XML files: success, the three failure reports and the codes a failed load returns.
#include "xml/XmlDocument.h"

#include "platform/Message.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <utility>

namespace {

using testing_support::CurrentDirectoryScope;
using testing_support::TemporaryFolder;

constexpr const char* kCaption = "Error Loading XML Document";

class XmlDocumentLoad : public testing::Test {
protected:
    // Loads `content` from a file with reportErrors 1 and returns the load's code.
    HRESULT loadReported(const std::string& content)
    {
        path_ = folder_.write("file.xml", content);
        return document_.loadFile(path_.c_str(), 1);
    }

    std::string lineMessage(int line, int position) const
    {
        return "Error on line " + std::to_string(line) + ", position " + std::to_string(position) + " in \"" + path_
            + "\".\n";
    }

    // The one message shown, checked to carry the load error caption and icon.
    std::string onlyMessage() const
    {
        EXPECT_EQ(messages_.count(), 1u);
        const platform::ShownMessage shown = messages_.last();
        EXPECT_EQ(shown.caption, kCaption);
        EXPECT_EQ(shown.icon, platform::MessageIcon::Error);
        return shown.text;
    }

    TemporaryFolder folder_;
    platform::MessageRecorder messages_;
    XmlDocument document_;
    std::string path_;
};

TEST_F(XmlDocumentLoad, WellFormedFileLoadsSilentlyWithTheDocumentNodeCurrent)
{
    EXPECT_EQ(loadReported("<?xml version='1.0'?>\n<Layout><BackgroundColor/></Layout>\n"), S_OK);
    EXPECT_EQ(messages_.count(), 0u);
    EXPECT_EQ(document_.currentNameIs("#document"), S_OK);
    ASSERT_EQ(document_.select("Layout/BackgroundColor"), S_OK);
    EXPECT_FALSE(document_.getSelected().isNull());
}

TEST_F(XmlDocumentLoad, NullPathIsInvalidAndShowsNothing)
{
    EXPECT_EQ(document_.loadFile(nullptr, 1), E_INVALIDARG);
    EXPECT_EQ(messages_.count(), 0u);
}

TEST_F(XmlDocumentLoad, MissingFileIsReportedAsNotFound)
{
    const std::string missing = folder_.file("absent.xml");
    EXPECT_EQ(document_.loadFile(missing.c_str(), 1), XmlDocument::kFileNotFound);
    EXPECT_EQ(onlyMessage(), "Your XML file wasn't found.");
    EXPECT_TRUE(FAILED(XmlDocument::kFileNotFound));

    const std::string underAFile = folder_.write("plain.txt", "x") + "/inner.xml";
    messages_.clear();
    EXPECT_EQ(document_.loadFile(underAFile.c_str(), 1), XmlDocument::kFileNotFound);
    EXPECT_EQ(onlyMessage(), "Your XML file wasn't found.");
}

TEST_F(XmlDocumentLoad, ReportErrorsOtherThanOneShowsNothing)
{
    const std::string missing = folder_.file("absent.xml");
    const std::string broken = folder_.write("broken.xml", "<a><b></a>");
    for (const std::int32_t reportErrors : { 0, 2, -1 }) {
        EXPECT_EQ(document_.loadFile(missing.c_str(), reportErrors), XmlDocument::kFileNotFound);
        EXPECT_EQ(document_.loadFile(broken.c_str(), reportErrors), E_FAIL);
        EXPECT_EQ(document_.loadFile(folder_.path().c_str(), reportErrors), E_FAIL);
    }
    EXPECT_EQ(messages_.count(), 0u);
}

TEST_F(XmlDocumentLoad, MalformedFileShowsLineAndPositionOfTheFirstError)
{
    EXPECT_EQ(loadReported("<?xml version='1.0'?>\n<a>\n <b>\n</a>"), E_FAIL);
    EXPECT_EQ(onlyMessage(), lineMessage(4, 3));

    messages_.clear();
    EXPECT_EQ(loadReported("<a>\n  <b x=1/>\n</a>"), E_FAIL);
    EXPECT_EQ(onlyMessage(), lineMessage(2, 8));

    messages_.clear();
    EXPECT_EQ(loadReported("<a>\r\n<b>\r\n</a>"), E_FAIL);
    EXPECT_EQ(onlyMessage(), lineMessage(3, 3));

    messages_.clear();
    EXPECT_EQ(loadReported("<a>\r<b>\r\r</a>"), E_FAIL);
    EXPECT_EQ(onlyMessage(), lineMessage(4, 3));

    messages_.clear();
    EXPECT_EQ(loadReported("<a>\n<b>unclosed"), E_FAIL);
    EXPECT_EQ(onlyMessage().rfind("Error on line 2, position ", 0), 0u);
}

TEST_F(XmlDocumentLoad, FileWithoutOneRootElementIsAnError)
{
    EXPECT_EQ(loadReported(""), E_FAIL);
    EXPECT_EQ(onlyMessage(), lineMessage(1, 1));

    messages_.clear();
    EXPECT_EQ(loadReported("\n\n  "), E_FAIL);
    EXPECT_EQ(onlyMessage(), lineMessage(3, 3));

    messages_.clear();
    EXPECT_EQ(loadReported("<?xml version='1.0'?>\n<!-- nothing -->\n"), E_FAIL);
    EXPECT_EQ(onlyMessage(), lineMessage(3, 1));

    messages_.clear();
    EXPECT_EQ(loadReported("<a/>\n<b/>"), E_FAIL);
    EXPECT_EQ(onlyMessage(), lineMessage(2, 2));

    messages_.clear();
    EXPECT_EQ(loadReported("<a/>\ntail"), E_FAIL); // the text begins right after the root
    EXPECT_EQ(onlyMessage(), lineMessage(1, 5));

    messages_.clear();
    EXPECT_EQ(loadReported("lead<a/>"), E_FAIL);
    EXPECT_EQ(onlyMessage(), lineMessage(1, 1));
}

TEST_F(XmlDocumentLoad, DeclarationOnlyFirstAndDocumentTypeOnlyOnceBeforeTheRoot)
{
    // The error stands where the parser places the node: the declaration's name "xml",
    // the document type's name; the original parser's column there is not known.
    EXPECT_EQ(loadReported("\xEF\xBB\xBF<?xml version='1.0'?>\n<!DOCTYPE a>\n<a/>"), S_OK);
    EXPECT_EQ(messages_.count(), 0u);

    const std::pair<const char*, std::pair<int, int>> rejected[] = {
        { "<?xml version='1.0'?>\n<?xml version='1.0'?>\n<a/>", { 2, 3 } },
        { " <?xml version='1.0'?><a/>", { 1, 4 } },
        { "\n<?xml version='1.0'?><a/>", { 2, 3 } },
        { "<!-- c --><?xml version='1.0'?><a/>", { 1, 13 } },
        { "<a/>\n<?xml version='1.0'?>", { 2, 3 } },
        { "<a/>\n<!DOCTYPE a>", { 2, 11 } },
        { "<!DOCTYPE a>\n<!DOCTYPE a>\n<a/>", { 2, 11 } },
    };
    for (const auto& [content, where] : rejected) {
        messages_.clear();
        EXPECT_EQ(loadReported(content), E_FAIL) << content;
        EXPECT_EQ(onlyMessage(), lineMessage(where.first, where.second)) << content;
        EXPECT_TRUE(document_.getCurrent().isNull()) << content;
    }
}

TEST_F(XmlDocumentLoad, PositionCountsTheCharactersOfTheFileEncoding)
{
    EXPECT_EQ(loadReported("<?xml version='1.0' encoding='ISO-8859-1'?>\n<a>\xE9\xE9\xE9</b>"), E_FAIL);
    EXPECT_EQ(onlyMessage(), lineMessage(2, 9));

    messages_.clear();
    EXPECT_EQ(loadReported("\xEF\xBB\xBF<a>\xC3\xA9\xC3\xA9\n\xC3\xA9</b>"), E_FAIL);
    EXPECT_EQ(onlyMessage(), lineMessage(2, 4));

    messages_.clear();
    const std::string utf16 = std::string("\xFF\xFE<\0a\0>\0\n\0\xE9\0<\0/\0b\0>\0", 20);
    EXPECT_EQ(loadReported(utf16), E_FAIL);
    EXPECT_EQ(onlyMessage(), lineMessage(2, 4));
}

TEST_F(XmlDocumentLoad, BinaryGarbageFailsWithAReport)
{
    std::mt19937 bytes(20240601);
    for (int attempt = 0; attempt < 20; ++attempt) {
        std::string garbage(4096, '\0');
        for (char& byte : garbage)
            byte = static_cast<char>(bytes() & 0xFF);
        if (attempt % 2 == 1)
            garbage = "<root>" + garbage;
        messages_.clear();
        EXPECT_TRUE(FAILED(loadReported(garbage))) << attempt;
        EXPECT_EQ(onlyMessage().rfind("Error on line ", 0), 0u) << attempt;
    }
}

TEST_F(XmlDocumentLoad, FolderCannotBeLoadedAndNamesTheCurrentDirectory)
{
    CurrentDirectoryScope inFolder(folder_.path());
    const std::string current = std::filesystem::current_path().string();
    EXPECT_EQ(document_.loadFile(folder_.path().c_str(), 1), E_FAIL);
    EXPECT_EQ(onlyMessage(), "Your XML Document couldn't be loaded\nCurrentDir= " + current);
}

TEST_F(XmlDocumentLoad, FailedLoadLeavesNoDocumentBehind)
{
    ASSERT_EQ(loadReported("<Layout><a/></Layout>"), S_OK);
    ASSERT_EQ(document_.select("Layout"), S_OK);
    EXPECT_EQ(loadReported("<Layout><a></Layout>"), E_FAIL);
    EXPECT_TRUE(document_.getCurrent().isNull());
    EXPECT_TRUE(document_.getSelected().isNull());
    EXPECT_EQ(document_.select("Layout"), E_INVALIDARG);
    ASSERT_EQ(document_.setCurrent(XmlNodeHandle()), S_OK);
    ASSERT_EQ(document_.select("*"), S_OK);
    EXPECT_TRUE(document_.getSelected().isNull());

    ASSERT_EQ(loadReported("<Trail><Observation/></Trail>"), S_OK);
    EXPECT_EQ(document_.select("Trail/Observation"), S_OK);
    EXPECT_FALSE(document_.getSelected().isNull());
}

TEST_F(XmlDocumentLoad, DocumentTypeNamingAMissingDtdLoads)
{
    const std::string path = std::string(SKYLOOM_TEST_DATA_DIR) + "/xml/missing-dtd.ptu";
    ASSERT_EQ(document_.loadFile(path.c_str(), 1), S_OK);
    EXPECT_EQ(messages_.count(), 0u);
    ASSERT_EQ(document_.select("PtolemyUniverse/PtolemyBody"), S_OK);
    std::int32_t count = 0;
    EXPECT_EQ(document_.count(&count), S_OK);
    EXPECT_EQ(count, 2);
    std::string name;
    document_.next();
    EXPECT_EQ(document_.readSelectedText("name", name), S_OK);
    EXPECT_EQ(name, "Moon");
}

TEST_F(XmlDocumentLoad, RelativePathResolvesAgainstTheCurrentDirectoryAndIsReportedAsGiven)
{
    folder_.write("sub/good.xml", "<Layout/>");
    folder_.write("sub/bad.xml", "<Layout>");
    CurrentDirectoryScope inFolder(folder_.path());
    EXPECT_EQ(document_.loadFile("sub/good.xml", 1), S_OK);
    EXPECT_EQ(document_.loadFile("sub/bad.xml", 1), E_FAIL);
    EXPECT_EQ(onlyMessage().find("in \"sub/bad.xml\".\n") != std::string::npos, true);
}

TEST_F(XmlDocumentLoad, PathsLongerThan259CharactersAreNotFound)
{
    // Pads a path to `length` characters with a folder name and a file name.
    const auto pathOfLength = [this](std::size_t length, char filler) {
        const std::string base = folder_.path().string() + "/";
        const std::size_t rest = length - base.size() - std::string("/.xml").size();
        const std::size_t folderLength = rest / 2;
        return base + std::string(folderLength, filler) + "/" + std::string(rest - folderLength, filler) + ".xml";
    };
    const std::string longest = pathOfLength(259, 'p');
    const std::string tooLong = pathOfLength(300, 'q');
    ASSERT_EQ(longest.size(), 259u);
    ASSERT_EQ(tooLong.size(), 300u);
    folder_.write(longest.substr(folder_.path().string().size() + 1), "<Layout/>");
    folder_.write(tooLong.substr(folder_.path().string().size() + 1), "<Layout/>");
    ASSERT_TRUE(std::filesystem::exists(tooLong));

    EXPECT_EQ(document_.loadFile(longest.c_str(), 1), S_OK);
    EXPECT_EQ(document_.loadFile(tooLong.c_str(), 1), XmlDocument::kFileNotFound);
    EXPECT_EQ(onlyMessage(), "Your XML file wasn't found.");
}

TEST_F(XmlDocumentLoad, TenMegabyteFileLoads)
{
    std::string content = "<?xml version='1.0'?>\n<Trail>\n";
    int written = 0;
    while (content.size() < 10u * 1024 * 1024) {
        content += "<Observation><azimuth>" + std::to_string(written) + ".5</azimuth></Observation>\n";
        ++written;
    }
    content += "</Trail>\n";
    ASSERT_EQ(loadReported(content), S_OK);
    ASSERT_EQ(document_.select("Trail/Observation"), S_OK);
    std::int32_t count = 0;
    EXPECT_EQ(document_.count(&count), S_OK);
    EXPECT_EQ(count, written);
    double azimuth = 0.0;
    EXPECT_EQ(document_.readSelectedDouble("azimuth", azimuth), S_OK);
    EXPECT_EQ(azimuth, 0.5);
}

TEST_F(XmlDocumentLoad, NonAsciiBytesLoad)
{
    ASSERT_EQ(loadReported("<?xml version='1.0'?>\n<n>Mond \xE9t\xE9</n>"), S_OK);
    std::string text;
    EXPECT_EQ(document_.readText("n", text), S_OK);
    EXPECT_EQ(text, "Mond \xE9t\xE9");

    ASSERT_EQ(loadReported("<?xml version='1.0' encoding='UTF-8'?>\n<n>\xC3\xA9t\xC3\xA9</n>"), S_OK);
    EXPECT_EQ(document_.readText("n", text), S_OK);
    EXPECT_EQ(text, "\xC3\xA9t\xC3\xA9");

    ASSERT_EQ(loadReported("<?xml version='1.0' encoding='ISO-8859-1'?>\n<n>\xE9t\xE9</n>"), S_OK);
    EXPECT_EQ(document_.readText("n", text), S_OK);
    EXPECT_EQ(text, "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(messages_.count(), 0u);
}

} // namespace
