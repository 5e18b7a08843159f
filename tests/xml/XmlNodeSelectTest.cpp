// Selecting nodes, walking a selection, node names and moving the current node.
#include "xml/XmlNode.h"

#include "xml/XmlTestDocument.h"

#include <string>

namespace {

using testing_support::TemporaryFolder;
using xml_testing::loadXmlText;

std::string selectedName(const XmlNode& cursor)
{
    XmlNode probe(cursor.getSelected());
    std::string name;
    probe.getCurrentName(name);
    return name;
}

TEST(XmlNodeSelect, DocumentNodeIsCurrentAfterLoadAndSelectsTheRoot)
{
    TemporaryFolder folder;
    auto document = loadXmlText(folder, "<?xml version='1.0'?>\n<Layout><a/></Layout>");
    std::string name;
    EXPECT_EQ(document->getCurrentName(name), S_OK);
    EXPECT_EQ(name, "#document");
    EXPECT_EQ(document->currentNameIs("#document"), S_OK);

    ASSERT_EQ(document->select("Layout"), S_OK);
    std::int32_t count = -1;
    EXPECT_EQ(document->count(&count), S_OK);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(document->selectedNameIs("Layout"), S_OK);
}

TEST(XmlNodeSelect, CursorWithoutCurrentNodeRefusesEverything)
{
    XmlNode cursor;
    EXPECT_EQ(cursor.select("*"), E_INVALIDARG);
    EXPECT_TRUE(cursor.getSelected().isNull());
    EXPECT_EQ(cursor.next(), S_OK);
    std::int32_t count = 5;
    EXPECT_EQ(cursor.count(&count), E_FAIL);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(cursor.count(nullptr), E_INVALIDARG);
    std::string name = "left over";
    EXPECT_EQ(cursor.getCurrentName(name), E_INVALIDARG);
    EXPECT_EQ(name, "");
    EXPECT_EQ(cursor.currentNameIs(""), E_INVALIDARG);
    EXPECT_EQ(cursor.selectedNameIs(""), E_INVALIDARG);
}

TEST(XmlNodeSelect, NameThatNoChildHasGivesAnEmptySelection)
{
    TemporaryFolder folder;
    auto document = loadXmlText(folder, "<Layout><a/></Layout>");
    ASSERT_EQ(document->select("Layout"), S_OK);
    XmlNode layout(document->getSelected());
    EXPECT_EQ(layout.select("Nothing"), S_OK);
    EXPECT_TRUE(layout.getSelected().isNull());
    std::int32_t count = -1;
    EXPECT_EQ(layout.count(&count), S_OK);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(layout.selectedNameIs("Nothing"), E_INVALIDARG);
}

TEST(XmlNodeSelect, NextWalksEveryChildElementAndThenStandsOnNothing)
{
    TemporaryFolder folder;
    auto document = loadXmlText(folder, "<r>text<a/><!-- c --><b>1</b><c/></r>");
    ASSERT_EQ(document->select("r"), S_OK);
    XmlNode root(document->getSelected());
    ASSERT_EQ(root.select("*"), S_OK);
    std::int32_t count = 0;
    EXPECT_EQ(root.count(&count), S_OK);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(selectedName(root), "a");
    EXPECT_EQ(root.next(), S_OK);
    EXPECT_EQ(selectedName(root), "b");
    EXPECT_EQ(root.next(), S_OK);
    EXPECT_EQ(root.selectedNameIs("c"), S_OK);
    EXPECT_EQ(root.next(), S_OK);
    EXPECT_TRUE(root.getSelected().isNull());
    EXPECT_EQ(root.next(), S_OK);
    EXPECT_TRUE(root.getSelected().isNull());
    EXPECT_EQ(root.count(&count), S_OK);
    EXPECT_EQ(count, 3);
}

TEST(XmlNodeSelect, UnionsAndReverseAxesComeInDocumentOrder)
{
    TemporaryFolder folder;
    auto document = loadXmlText(folder, "<r><a/><b/><c/></r>");
    ASSERT_EQ(document->select("r/c | r/a"), S_OK);
    EXPECT_EQ(selectedName(*document), "a");
    document->next();
    EXPECT_EQ(selectedName(*document), "c");

    ASSERT_EQ(document->select("r/c"), S_OK);
    XmlNode last(document->getSelected());
    ASSERT_EQ(last.select("preceding-sibling::*"), S_OK);
    EXPECT_EQ(selectedName(last), "a");
    last.next();
    EXPECT_EQ(selectedName(last), "b");
}

TEST(XmlNodeSelect, InvalidPathFailsAndLeavesNoSelection)
{
    TemporaryFolder folder;
    auto document = loadXmlText(folder, "<r><a/></r>");
    ASSERT_EQ(document->select("r"), S_OK);
    for (const char* path : { "r[", "", "count(*)", "1 + 1", "///", "a[@", "r/@" }) {
        EXPECT_EQ(document->select(path), E_FAIL) << path;
        EXPECT_TRUE(document->getSelected().isNull()) << path;
        std::int32_t count = 0;
        EXPECT_EQ(document->count(&count), E_FAIL) << path;
    }
}

TEST(XmlNodeSelect, SetCurrentDropsTheSelection)
{
    TemporaryFolder folder;
    auto document = loadXmlText(folder, "<r><a><x/></a><b/></r>");
    ASSERT_EQ(document->select("r/*"), S_OK);
    const XmlNodeHandle a = document->getSelected();
    document->next();
    const XmlNodeHandle b = document->getSelected();

    XmlNode cursor(a);
    EXPECT_TRUE(cursor.getCurrent() == a);
    ASSERT_EQ(cursor.select("x"), S_OK);
    ASSERT_FALSE(cursor.getSelected().isNull());
    EXPECT_EQ(cursor.setCurrent(b), S_OK);
    EXPECT_TRUE(cursor.getCurrent() == b);
    EXPECT_TRUE(cursor.getSelected().isNull());
    std::int32_t count = 0;
    EXPECT_EQ(cursor.count(&count), E_FAIL);

    EXPECT_EQ(cursor.setCurrent(XmlNodeHandle()), S_OK);
    EXPECT_TRUE(cursor.getCurrent().isNull());
    EXPECT_EQ(cursor.select("*"), E_INVALIDARG);
}

TEST(XmlNodeSelect, DocumentSetCurrentWithoutNodeReturnsToTheDocumentAndKeepsTheSelection)
{
    TemporaryFolder folder;
    auto document = loadXmlText(folder, "<r><a/><b/></r>");
    ASSERT_EQ(document->select("r"), S_OK);
    ASSERT_EQ(document->setCurrent(document->getSelected()), S_OK);
    ASSERT_EQ(document->select("*"), S_OK);
    document->next();

    EXPECT_EQ(document->setCurrent(XmlNodeHandle()), S_OK);
    EXPECT_EQ(document->currentNameIs("#document"), S_OK);
    EXPECT_EQ(document->selectedNameIs("b"), S_OK);
    std::int32_t count = 0;
    EXPECT_EQ(document->count(&count), S_OK);
    EXPECT_EQ(count, 2);

    XmlDocument unloaded;
    EXPECT_EQ(unloaded.setCurrent(XmlNodeHandle()), S_OK);
    EXPECT_EQ(unloaded.currentNameIs("#document"), S_OK);
    EXPECT_EQ(unloaded.select("*"), S_OK);
    EXPECT_EQ(unloaded.count(&count), S_OK);
    EXPECT_EQ(count, 0);
}

TEST(XmlNodeSelect, NodeNamesFollowTheDomAndAreComparedExactly)
{
    TemporaryFolder folder;
    auto document = loadXmlText(folder, "<Layout kind='x'>words<![CDATA[raw]]></Layout>");
    ASSERT_EQ(document->select("Layout"), S_OK);
    EXPECT_EQ(document->selectedNameIs("layout"), E_FAIL);
    EXPECT_EQ(document->selectedNameIs("Layout "), E_FAIL);
    XmlNode layout(document->getSelected());
    EXPECT_EQ(layout.currentNameIs("Layout"), S_OK);
    EXPECT_EQ(layout.currentNameIs("LAYOUT"), E_FAIL);

    ASSERT_EQ(layout.select("text()"), S_OK);
    EXPECT_EQ(selectedName(layout), "#text");
    layout.next();
    EXPECT_EQ(selectedName(layout), "#cdata-section");

    ASSERT_EQ(layout.select("@kind"), S_OK);
    EXPECT_EQ(layout.selectedNameIs("kind"), S_OK);
}

TEST(XmlNodeSelect, LongNodeNameComesBackAsItsFirst256Characters)
{
    TemporaryFolder folder;
    const std::string longName = "n" + std::string(299, 'x');
    auto document = loadXmlText(folder, "<" + longName + "/>");
    ASSERT_EQ(document->select("*"), S_OK);
    XmlNode element(document->getSelected());
    std::string name;
    EXPECT_EQ(element.getCurrentName(name), S_OK);
    EXPECT_EQ(name, longName.substr(0, 256));
    EXPECT_EQ(element.currentNameIs(longName), S_OK);
}

TEST(XmlNodeSelect, ThousandsOfChildrenAreSelectedAndWalkedInOrder)
{
    TemporaryFolder folder;
    constexpr int kChildren = 5000;
    std::string content = "<Trail>";
    for (int index = 0; index < kChildren; ++index)
        content += "<Observation>" + std::to_string(index) + "</Observation>";
    content += "</Trail>";
    auto document = loadXmlText(folder, content);
    ASSERT_EQ(document->select("Trail"), S_OK);
    XmlNode trail(document->getSelected());
    ASSERT_EQ(trail.select("*"), S_OK);
    std::int32_t count = 0;
    EXPECT_EQ(trail.count(&count), S_OK);
    EXPECT_EQ(count, kChildren);
    int walked = 0;
    for (; !trail.getSelected().isNull(); trail.next(), ++walked) {
        std::string text;
        ASSERT_EQ(trail.readSelectedText(".", text), S_OK);
        ASSERT_EQ(text, std::to_string(walked));
    }
    EXPECT_EQ(walked, kChildren);
}

} // namespace
