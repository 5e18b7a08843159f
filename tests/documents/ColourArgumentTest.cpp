#include "documents/ColourArgument.h"

#include "platform/Message.h"
#include "xml/XmlNode.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace {

class ColourArgumentTest : public testing::Test {
protected:
    platform::MessageRecorder recorder;

    void expectOneMessage(const std::string& text)
    {
        ASSERT_EQ(recorder.count(), 1u);
        EXPECT_EQ(recorder.last().text, text);
        EXPECT_EQ(recorder.last().caption, "Parser Error");
        EXPECT_EQ(recorder.last().icon, platform::MessageIcon::Error);
    }
};

TEST_F(ColourArgumentTest, EachComponentLandsInItsOwnBits)
{
    ColourRef colour = 0;
    EXPECT_EQ(ParseColourArgument("green=255", colour, 1), S_OK);
    EXPECT_EQ(colour, makeColour(0, 255, 0));
    colour = 0;
    EXPECT_EQ(ParseColourArgument("blue=255", colour, 1), S_OK);
    EXPECT_EQ(colour, 16711680u);
    colour = 0;
    EXPECT_EQ(ParseColourArgument("red=7", colour, 1), S_OK);
    EXPECT_EQ(colour, 7u);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(ColourArgumentTest, ComponentsAccumulateByOr)
{
    ColourRef colour = 0;
    EXPECT_EQ(ParseColourArgument("red=1", colour, 0), S_OK);
    EXPECT_EQ(ParseColourArgument("red=2", colour, 0), S_OK);
    EXPECT_EQ(ParseColourArgument("blue=16", colour, 0), S_OK);
    EXPECT_EQ(colour, makeColour(3, 0, 16));
}

TEST_F(ColourArgumentTest, ValueIsReadLikeAtoi)
{
    ColourRef colour = 0;
    EXPECT_EQ(ParseColourArgument("red=12abc", colour, 1), S_OK);
    EXPECT_EQ(colour, 12u);
    colour = 0;
    EXPECT_EQ(ParseColourArgument("green=+0", colour, 1), S_OK);
    EXPECT_EQ(colour, 0u);
    colour = 0;
    EXPECT_EQ(ParseColourArgument("blue=abc", colour, 1), S_OK); // no digits: 0
    EXPECT_EQ(colour, 0u);
}

// A fraction or an exponent is no part of a component: "1e309" is not red 1.
TEST_F(ColourArgumentTest, NumbersThatAreNotWholeAreRefused)
{
    for (const char* text : { "red=1e309", "red=1.5", "green=2E+1" }) {
        ColourRef colour = 0;
        EXPECT_EQ(ParseColourArgument(text, colour, 0), E_FAIL) << text;
    }
    ColourRef colour = 0;
    EXPECT_EQ(ParseColourArgument("red=7e", colour, 0), S_OK);
    EXPECT_EQ(colour, 7u);
}

TEST_F(ColourArgumentTest, NamesAreCaseSensitive)
{
    ColourRef colour = 0;
    EXPECT_EQ(ParseColourArgument("Red=10", colour, 1), E_FAIL);
    expectOneMessage("Invalid color argument: Red = 10");
    EXPECT_EQ(colour, 0u);
}

TEST_F(ColourArgumentTest, ValuesOutsideTheByteRangeFail)
{
    for (const char* text : { "red=256", "red=-1", "red=65536", "red=-65536", "red=99999999999999999999" }) {
        ColourRef colour = 0;
        EXPECT_EQ(ParseColourArgument(text, colour, 0), E_FAIL) << text;
        EXPECT_EQ(colour, 0u) << text;
    }
    ColourRef colour = 0;
    EXPECT_EQ(ParseColourArgument("red=256", colour, 1), E_FAIL);
    expectOneMessage("Invalid color argument: red = 256");
}

TEST_F(ColourArgumentTest, MissingValueIsAnInvalidArgument)
{
    ColourRef colour = 0;
    EXPECT_EQ(ParseColourArgument("red=", colour, 1), E_INVALIDARG);
    expectOneMessage("Unrecognized color argument: red");
}

TEST_F(ColourArgumentTest, TextWithoutEqualsSignFails)
{
    ColourRef colour = 0;
    EXPECT_EQ(ParseColourArgument("red 10", colour, 1), E_FAIL);
    expectOneMessage("Unrecognized color argument: red 10");
}

TEST_F(ColourArgumentTest, OnlyReportOneShowsMessages)
{
    ColourRef colour = 0;
    EXPECT_EQ(ParseColourArgument("red 10", colour, 0), E_FAIL);
    EXPECT_EQ(ParseColourArgument("Red=10", colour, 2), E_FAIL);
    EXPECT_EQ(ParseColourArgument("red=", colour, -1), E_INVALIDARG);
    EXPECT_EQ(recorder.count(), 0u);
}

class ParseColourTest : public ColourArgumentTest {
protected:
    pugi::xml_document document;

    XmlNodeHandle parse(const char* xml)
    {
        EXPECT_TRUE(document.load_string(xml));
        return XmlNodeHandle(document.document_element());
    }
};

TEST_F(ParseColourTest, NoArgumentsGiveBlack)
{
    XmlNode node(parse("<colour><other>red=5</other></colour>"));
    ColourRef colour = 123;
    EXPECT_EQ(ParseColour(&node, &colour, 1), S_OK);
    EXPECT_EQ(colour, 0u);
}

TEST_F(ParseColourTest, ArgumentsAreAppliedInDocumentOrder)
{
    XmlNode node(parse("<c><arg>red=10</arg><arg>green=20</arg><x/><arg>blue=30</arg><arg>red=5</arg></c>"));
    ColourRef colour = 0;
    EXPECT_EQ(ParseColour(&node, &colour, 1), S_OK);
    EXPECT_EQ(colour, makeColour(10 | 5, 20, 30));
}

TEST_F(ParseColourTest, FirstFailureStopsAndKeepsEarlierComponents)
{
    XmlNode node(parse("<c><arg>red=10</arg><arg>green=300</arg><arg>blue=30</arg></c>"));
    ColourRef colour = 0;
    EXPECT_EQ(ParseColour(&node, &colour, 1), E_FAIL);
    EXPECT_EQ(colour, makeColour(10, 0, 0));
    expectOneMessage("Invalid color argument: green = 300");
}

TEST_F(ParseColourTest, ColourStartsBlackWhateverItHeld)
{
    XmlNode node(parse("<c><arg>blue=1</arg></c>"));
    ColourRef colour = makeColour(255, 255, 255);
    EXPECT_EQ(ParseColour(&node, &colour, 0), S_OK);
    EXPECT_EQ(colour, makeColour(0, 0, 1));
}

TEST_F(ParseColourTest, EmptyArgumentIsRejected)
{
    XmlNode node(parse("<c><arg/></c>"));
    ColourRef colour = 0;
    EXPECT_TRUE(FAILED(ParseColour(&node, &colour, 1)));
    expectOneMessage("Unrecognized color argument: ");
}

TEST_F(ParseColourTest, MissingNodeOrOutputIsAnInvalidArgument)
{
    XmlNode node(parse("<c/>"));
    ColourRef colour = 0;
    EXPECT_EQ(ParseColour(nullptr, &colour, 1), E_INVALIDARG);
    EXPECT_EQ(ParseColour(&node, nullptr, 1), E_INVALIDARG);
    EXPECT_EQ(recorder.count(), 0u);
}

} // namespace
