#include "sources/ImageSourceBuilder.h"

#include "platform/Message.h"
#include "sources/KeplerUniverse.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A layout fragment from the test data, with a cursor standing on its root element.
class SourceElement {
public:
    explicit SourceElement(const std::string& fileName)
    {
        const std::string path = std::string(SKYLOOM_TEST_DATA_DIR) + "/sources/" + fileName;
        EXPECT_EQ(document_.loadFile(path.c_str(), 0), S_OK) << path;
        EXPECT_EQ(document_.select("*"), S_OK);
        cursor_.setCurrent(document_.getSelected());
    }
    XmlNode* node() { return &cursor_; }

private:
    XmlDocument document_;
    XmlNode cursor_;
};

} // namespace

class ImageSourceBuilderTest : public ::testing::Test {
protected:
    ImageSourceBuilder builder;
    std::unique_ptr<ImageSource> source;
    platform::MessageRecorder recorder;
};

TEST_F(ImageSourceBuilderTest, ReportsErrorsWhenMade)
{
    EXPECT_EQ(builder.reportErrors(), 1);
    builder.setReportErrors(0);
    EXPECT_EQ(builder.reportErrors(), 0);
}

TEST_F(ImageSourceBuilderTest, KeplerUniverseIgnoresItsArguments)
{
    SourceElement element("kepler-with-args.xml");
    EXPECT_EQ(builder.Build(element.node(), source), S_OK);
    ASSERT_NE(source, nullptr);
    EXPECT_NE(dynamic_cast<KeplerUniverse*>(source.get()), nullptr);
    EXPECT_EQ(recorder.count(), 0u) << "the malformed args were never parsed";
}

TEST_F(ImageSourceBuilderTest, TypeDifferingOnlyInCaseIsUnrecognised)
{
    SourceElement element("type-case-differs.xml");
    EXPECT_EQ(builder.Build(element.node(), source), E_FAIL);
    EXPECT_EQ(source, nullptr);
    ASSERT_EQ(recorder.count(), 1u);
    EXPECT_EQ(recorder.last().text, "Unrecognized Image Source type");
    EXPECT_EQ(recorder.last().caption, "Image Source Builder Error");
    EXPECT_EQ(recorder.last().icon, platform::MessageIcon::Error);
}

TEST_F(ImageSourceBuilderTest, UnknownTypeIsSilentWithoutReporting)
{
    SourceElement element("unknown-type.xml");
    builder.setReportErrors(0);
    EXPECT_EQ(builder.Build(element.node(), source), E_FAIL);
    EXPECT_EQ(source, nullptr);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(ImageSourceBuilderTest, ElementOfAnotherNameFailsWithoutMessage)
{
    SourceElement element("not-an-image-source.xml");
    EXPECT_EQ(builder.Build(element.node(), source), E_FAIL);
    EXPECT_EQ(source, nullptr);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(ImageSourceBuilderTest, MissingTypeReturnsTheReadFailure)
{
    SourceElement element("missing-type.xml");
    EXPECT_EQ(builder.Build(element.node(), source), E_INVALIDARG);
    EXPECT_EQ(source, nullptr);
    EXPECT_EQ(recorder.count(), 0u);
}

TEST_F(ImageSourceBuilderTest, MissingNodeIsInvalid)
{
    EXPECT_EQ(builder.Build(nullptr, source), E_INVALIDARG);
    XmlNode empty;
    EXPECT_EQ(builder.Build(&empty, source), E_INVALIDARG);
    EXPECT_EQ(source, nullptr);
}

TEST_F(ImageSourceBuilderTest, FailedBuildLeavesNoEarlierSourceBehind)
{
    source = std::make_unique<ImageSource>();
    SourceElement element("unknown-type.xml");
    EXPECT_EQ(builder.Build(element.node(), source), E_FAIL);
    EXPECT_EQ(source, nullptr);
}

// The argument-reading types fail on a bad argument whether or not their class is part of
// this build (a type not built answers E_NOTIMPL); either way no source is given out.
TEST_F(ImageSourceBuilderTest, BitmapDisplayWithEmptyArgumentLeavesNoSource)
{
    SourceElement element("bitmap-empty-arg.xml");
    EXPECT_TRUE(FAILED(builder.Build(element.node(), source)));
    EXPECT_EQ(source, nullptr);
}

TEST_F(ImageSourceBuilderTest, PtolemyUniverseWithMalformedArgumentLeavesNoSource)
{
    SourceElement element("ptolemy-bad-arg.xml");
    const HRESULT result = builder.Build(element.node(), source);
    EXPECT_TRUE(FAILED(result));
    EXPECT_EQ(source, nullptr);
    if (result == E_FAIL) {
        ASSERT_EQ(recorder.count(), 1u);
        EXPECT_EQ(recorder.last().text, "Unrecognized argument: no equals sign here");
    }
}

TEST_F(ImageSourceBuilderTest, ObservatoryReadsNoArguments)
{
    SourceElement element("observatory-with-args.xml");
    const HRESULT result = builder.Build(element.node(), source);
    if (result == E_NOTIMPL) {
        EXPECT_EQ(source, nullptr);
    } else {
        EXPECT_EQ(result, S_OK);
        EXPECT_NE(source, nullptr);
    }
    EXPECT_EQ(recorder.count(), 0u);
}

namespace {

// A source that keeps the layout arguments it is given.
class ArgumentKeepingSource : public ImageSource {
public:
    HRESULT ParseArgument(const std::string& text, std::int32_t) override
    {
        arguments.push_back(text);
        return S_OK;
    }
    std::vector<std::string> arguments;
};

// A builder that makes its own sources in place of the engine's, as a layout checker's does.
class SubstitutingBuilder : public ImageSourceBuilder {
public:
    std::vector<std::string> typesMade;
    bool makesNothing = false;

protected:
    std::unique_ptr<ImageSource> makeSource(const std::string& typeName) override
    {
        typesMade.push_back(typeName);
        return makesNothing ? nullptr : std::make_unique<ArgumentKeepingSource>();
    }
};

} // namespace

TEST(SubstitutedSources, TheElementStillDecidesTheTypeAndTheArguments)
{
    platform::MessageRecorder recorder;
    SubstitutingBuilder builder;
    std::unique_ptr<ImageSource> source;

    SourceElement ptolemy("ptolemy-bad-arg.xml");
    ASSERT_EQ(builder.Build(ptolemy.node(), source), S_OK);
    const auto* made = dynamic_cast<ArgumentKeepingSource*>(source.get());
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->arguments, (std::vector<std::string> { "no equals sign here" }));

    SourceElement kepler("kepler-with-args.xml");
    ASSERT_EQ(builder.Build(kepler.node(), source), S_OK);
    made = dynamic_cast<ArgumentKeepingSource*>(source.get());
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->arguments.empty()) << "a Kepler universe reads no arguments";

    SourceElement unknown("unknown-type.xml");
    EXPECT_EQ(builder.Build(unknown.node(), source), E_FAIL);
    EXPECT_EQ(builder.typesMade, (std::vector<std::string> { "PtolemyUniverse", "KeplerUniverse" }));
    EXPECT_EQ(recorder.count(), 1u);
}

TEST(SubstitutedSources, ASourceThatCannotBeMadeIsOutOfMemory)
{
    SubstitutingBuilder builder;
    builder.makesNothing = true;
    std::unique_ptr<ImageSource> source = std::make_unique<ImageSource>();
    SourceElement kepler("kepler-with-args.xml");
    EXPECT_EQ(builder.Build(kepler.node(), source), E_OUTOFMEMORY);
    EXPECT_EQ(source, nullptr);
}
