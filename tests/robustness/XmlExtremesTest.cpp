// The XML layer on extreme documents, odd encodings and paths that are not files: loading
// never crashes, a failure leaves the document empty, and a cursor walks whatever did parse.
#include "RobustnessCorpus.h"

#include "platform/Message.h"
#include "support/TestFiles.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

namespace {

class XmlExtremesTest : public testing::Test {
protected:
    // Loads `bytes` with messages on and, when they parse, walks every element's children
    // and reads their texts and numbers as the readers do.
    void loadAndWalk(const std::string& bytes, const std::string& description)
    {
        const std::string path = scratch.write("document.xml", bytes);
        XmlDocument document;
        const HRESULT result = document.loadFile(path.c_str(), 1);
        if (FAILED(result)) {
            ++failures;
            EXPECT_TRUE(document.getCurrent().isNull()) << description;
            EXPECT_EQ(recorder.count(), 1u) << description;
            recorder.clear();
            return;
        }
        ++successes;
        XmlNode cursor(document.getCurrent());
        ASSERT_EQ(cursor.select("*"), S_OK) << description;
        for (; !cursor.getSelected().isNull(); cursor.next()) {
            XmlNode element(cursor.getSelected());
            std::string text;
            double number = 0;
            std::int32_t integer = 0;
            element.getCurrentName(text);
            EXPECT_LE(text.size(), 256u) << description;
            element.readText(".", text);
            EXPECT_LE(text.size(), 256u) << description;
            element.readDouble("*", number);
            element.readInt("*", integer);
            std::int32_t children = 0;
            element.select("*");
            element.count(&children);
        }
        recorder.clear();
    }

    testing_support::TemporaryFolder scratch;
    platform::MessageRecorder recorder;
    int successes = 0;
    int failures = 0;
};

TEST_F(XmlExtremesTest, DeepNestingAndHugeTexts)
{
    loadAndWalk(robustness::nested("a", 1000000), "a million levels");
    loadAndWalk("<a>" + std::string(1000000, '<'), "a million opened tags");
    loadAndWalk(robustness::nested("a", 100000, std::string(10 * 1024 * 1024, 't')), "deep and long");
    loadAndWalk("<a><b>" + std::string(10 * 1024 * 1024, '9') + "</b></a>", "10 MB number");
    loadAndWalk("<a>" + std::string(100000, '&') + "</a>", "stray ampersands");
    loadAndWalk("<" + std::string(1000000, 'n') + "/>", "a million-character name");
    EXPECT_GT(successes, 0);
    EXPECT_GT(failures, 0);
}

TEST_F(XmlExtremesTest, EncodingsAndMarks)
{
    const std::vector<std::string> documents = {
        std::string("\xFF\xFE<\0a\0>\0", 8),
        std::string("\xFE\xFF\0<\0a\0>", 8),
        std::string("\xFF\xFE<\0a\0/\0>", 8),
        std::string("\xFF\xFE\0\0<\0\0\0", 8),
        std::string("\0\0\xFE\xFF\0\0\0<", 8),
        "\xEF\xBB\xBF<a/>",
        "\xEF\xBB\xBF",
        "<?xml version='1.0' encoding='UTF-16'?><a/>",
        "<?xml version='1.0' encoding='ISO-8859-1'?><a>\xE9\xFF</a>",
        "<?xml version='1.0' encoding='nonsense'?><a/>",
        "<a>\xC3</a>",
        "<a>\xF4\x90\x80\x80</a>",
        "\r\r\n\n<a\r>",
    };
    for (std::size_t k = 0; k < documents.size(); ++k)
        loadAndWalk(documents[k], "document " + std::to_string(k));
    EXPECT_GT(successes, 0);
    EXPECT_GT(failures, 0);
}

TEST_F(XmlExtremesTest, PathsThatAreNotFiles)
{
    const testing_support::CurrentDirectoryScope inScratch(scratch.path());
    for (const std::string& path : robustness::awkwardPaths()) {
        XmlDocument document;
        EXPECT_LT(document.loadFile(path.c_str(), 1), 0) << path;
        EXPECT_TRUE(document.getCurrent().isNull()) << path;
    }
}

} // namespace
