// Reading the text and numbers of child values from the current and the selected node.
#include "xml/XmlNode.h"

#include "xml/XmlTestDocument.h"

#include <cstdint>
#include <limits>
#include <string>

namespace {

using testing_support::TemporaryFolder;
using xml_testing::loadXmlText;

// A document whose root element is current in `cursor`.
class XmlNodeRead : public testing::Test {
protected:
    XmlNode& rootOf(const std::string& content)
    {
        document_ = loadXmlText(folder_, content);
        EXPECT_EQ(document_->select("*"), S_OK);
        root_ = std::make_unique<XmlNode>(document_->getSelected());
        return *root_;
    }

    double doubleOf(const std::string& text)
    {
        double value = -1.0;
        EXPECT_EQ(rootOf("<r><left>" + text + "</left></r>").readDouble("left", value), S_OK) << text;
        return value;
    }

    std::int32_t intOf(const std::string& text)
    {
        std::int32_t value = -1;
        EXPECT_EQ(rootOf("<r><Refresh>" + text + "</Refresh></r>").readInt("Refresh", value), S_OK) << text;
        return value;
    }

private:
    TemporaryFolder folder_;
    std::unique_ptr<XmlDocument> document_;
    std::unique_ptr<XmlNode> root_;
};

TEST_F(XmlNodeRead, DoubleOfChildElement)
{
    EXPECT_EQ(doubleOf("0.25"), 0.25);
    EXPECT_EQ(doubleOf("abc"), 0.0);
    EXPECT_EQ(doubleOf(" -2.5e-1xyz"), -0.25);
    EXPECT_EQ(doubleOf("1e3"), 1000.0);
    EXPECT_EQ(doubleOf(".5"), 0.5);
    EXPECT_EQ(doubleOf("7."), 7.0);
    EXPECT_EQ(doubleOf("+3"), 3.0);
    EXPECT_EQ(doubleOf("2e"), 2.0);
    EXPECT_EQ(doubleOf("1,5"), 1.0);
}

TEST_F(XmlNodeRead, DoubleIsNeverInfiniteOrNotANumberFromWords)
{
    EXPECT_EQ(doubleOf("nan"), 0.0);
    EXPECT_EQ(doubleOf("inf"), 0.0);
    EXPECT_EQ(doubleOf("-Infinity"), 0.0);
    EXPECT_EQ(doubleOf("0x1p3"), 0.0);
}

TEST_F(XmlNodeRead, IntegerIsConvertedAsAtolConverts)
{
    EXPECT_EQ(intOf("100ms"), 100);
    EXPECT_EQ(intOf("  -42x"), -42);
    EXPECT_EQ(intOf("+7"), 7);
    EXPECT_EQ(intOf("0x10"), 0);
    EXPECT_EQ(intOf("2.9"), 2);
    EXPECT_EQ(intOf("none"), 0);
}

TEST_F(XmlNodeRead, IntegerPastThe32BitRangeIsClamped)
{
    EXPECT_EQ(intOf("2147483647"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(intOf("2147483648"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(intOf("-2147483649"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(intOf("99999999999999999999999"), std::numeric_limits<std::int32_t>::max());
}

TEST_F(XmlNodeRead, MissingOrEmptyChildFailsAndClearsTheOutput)
{
    XmlNode& root = rootOf("<r><left></left><right/></r>");
    for (const char* path : { "left", "right", "absent", "absent/deeper" }) {
        double value = 9.0;
        EXPECT_EQ(root.readDouble(path, value), E_INVALIDARG) << path;
        EXPECT_EQ(value, 0.0) << path;
        std::int32_t number = 9;
        EXPECT_EQ(root.readInt(path, number), E_INVALIDARG) << path;
        EXPECT_EQ(number, 0) << path;
        std::string text = "left over";
        EXPECT_EQ(root.readText(path, text), E_INVALIDARG) << path;
        EXPECT_EQ(text, "") << path;
    }
}

TEST_F(XmlNodeRead, ChildThatIsNotTextSucceedsWithEmptyTextAndUnchangedNumber)
{
    XmlNode& root = rootOf("<r><left><inner>5</inner>6</left></r>");
    double value = 3.5;
    EXPECT_EQ(root.readDouble("left", value), S_OK);
    EXPECT_EQ(value, 3.5);
    std::int32_t number = 8;
    EXPECT_EQ(root.readInt("left", number), S_OK);
    EXPECT_EQ(number, 8);
    std::string text = "left over";
    EXPECT_EQ(root.readText("left", text), S_OK);
    EXPECT_EQ(text, "");
}

TEST_F(XmlNodeRead, InvalidPathFailsAndClearsTheOutput)
{
    XmlNode& root = rootOf("<r><left>1</left></r>");
    std::string text = "left over";
    EXPECT_EQ(root.readText("left[", text), E_FAIL);
    EXPECT_EQ(text, "");
    double value = 4.0;
    EXPECT_EQ(root.readDouble("count(left)", value), E_FAIL);
    EXPECT_EQ(value, 0.0);
}

TEST_F(XmlNodeRead, TextComesFromTheFirstMatchInDocumentOrder)
{
    XmlNode& root = rootOf("<r><DrawRequest><arg>first</arg><arg>second</arg></DrawRequest>"
                           "<DrawRequest><arg>third</arg></DrawRequest></r>");
    std::string text;
    EXPECT_EQ(root.readText("DrawRequest/arg", text), S_OK);
    EXPECT_EQ(text, "first");
    EXPECT_EQ(root.readText("DrawRequest[2]/arg | DrawRequest/arg[2]", text), S_OK);
    EXPECT_EQ(text, "second");
}

TEST_F(XmlNodeRead, TextKeepsCharacterDataEntitiesAndBytes)
{
    XmlNode& root = rootOf("<r><a>&lt;b&gt; &amp; &#65;</a><c><![CDATA[x<y]]></c>"
                           "<u>V\xC3\xA9nus</u><l>V\xE9nus</l></r>");
    std::string text;
    EXPECT_EQ(root.readText("a", text), S_OK);
    EXPECT_EQ(text, "<b> & A");
    EXPECT_EQ(root.readText("c", text), S_OK);
    EXPECT_EQ(text, "x<y");
    EXPECT_EQ(root.readText("u", text), S_OK);
    EXPECT_EQ(text, "V\xC3\xA9nus");
    EXPECT_EQ(root.readText("l", text), S_OK);
    EXPECT_EQ(text, "V\xE9nus");
}

TEST_F(XmlNodeRead, LongTextComesBackAsItsFirst256Characters)
{
    const std::string longText = std::string(255, '1') + "23456789" + std::string(37, 'z');
    XmlNode& root = rootOf("<r><name>" + longText + "</name><n>" + longText + "</n></r>");
    std::string text;
    EXPECT_EQ(root.readText("name", text), S_OK);
    EXPECT_EQ(text, longText.substr(0, 256));
    ASSERT_EQ(root.select("n"), S_OK);
    EXPECT_EQ(root.readSelectedText(".", text), S_OK);
    EXPECT_EQ(text, longText.substr(0, 256));
}

TEST_F(XmlNodeRead, SelectedReadsUseTheNodeTheSelectionStandsOn)
{
    XmlNode& root = rootOf("<r><ScreenRect><left>0.1</left></ScreenRect>"
                           "<ScreenRect><left>0.2</left></ScreenRect><arg>speed=3</arg></r>");
    ASSERT_EQ(root.select("ScreenRect"), S_OK);
    double value = 0.0;
    EXPECT_EQ(root.readSelectedDouble("left", value), S_OK);
    EXPECT_EQ(value, 0.1);
    root.next();
    EXPECT_EQ(root.readSelectedDouble("left", value), S_OK);
    EXPECT_EQ(value, 0.2);
    root.next();
    EXPECT_EQ(root.readSelectedDouble("left", value), E_INVALIDARG);
    EXPECT_EQ(value, 0.0);
    std::string text = "left over";
    EXPECT_EQ(root.readSelectedText(".", text), E_INVALIDARG);
    EXPECT_EQ(text, "");

    ASSERT_EQ(root.select("arg"), S_OK);
    EXPECT_EQ(root.readSelectedText(".", text), S_OK);
    EXPECT_EQ(text, "speed=3");
}

TEST_F(XmlNodeRead, AttributeValueIsItsText)
{
    XmlNode& root = rootOf("<r type='Observatory' size='12' empty=''/>");
    std::string text;
    EXPECT_EQ(root.readText("@type", text), S_OK);
    EXPECT_EQ(text, "Observatory");
    std::int32_t number = 0;
    EXPECT_EQ(root.readInt("@size", number), S_OK);
    EXPECT_EQ(number, 12);
    EXPECT_EQ(root.readText("@empty", text), E_INVALIDARG);
    ASSERT_EQ(root.select("@type"), S_OK);
    EXPECT_EQ(root.readSelectedText(".", text), S_OK);
    EXPECT_EQ(text, "Observatory");
}

TEST(XmlNodeReadWithoutNode, ReadsFailAndClearTheOutput)
{
    XmlNode cursor;
    std::string text = "left over";
    EXPECT_EQ(cursor.readText(".", text), E_INVALIDARG);
    EXPECT_EQ(text, "");
    std::int32_t number = 3;
    EXPECT_EQ(cursor.readInt(".", number), E_INVALIDARG);
    EXPECT_EQ(number, 0);
    double value = 3.0;
    EXPECT_EQ(cursor.readDouble(".", value), E_INVALIDARG);
    EXPECT_EQ(value, 0.0);
    text = "left over";
    EXPECT_EQ(cursor.readSelectedText(".", text), E_INVALIDARG);
    EXPECT_EQ(text, "");
    value = 3.0;
    EXPECT_EQ(cursor.readSelectedDouble(".", value), E_INVALIDARG);
    EXPECT_EQ(value, 0.0);
}

} // namespace
