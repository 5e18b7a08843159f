#include "display/ImageSourceCollection.h"

#include "sources/KeplerUniverse.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

WindowSpec controlSpec(const FractionalRect& rect)
{
    WindowSpec spec;
    spec.kind = kControlWindowKind;
    spec.screenRect = rect;
    return spec;
}

class ImageSourceCollectionTest : public testing::Test {
protected:
    ImageSourceCollectionTest() { host.resize(200, 100); }

    QWidget host;
    ImageSourceCollection collection;
};

TEST_F(ImageSourceCollectionTest, WithoutWindowArrayNothingCanBeSetOrCreated)
{
    EXPECT_FALSE(collection.hasWindowArray());
    EXPECT_EQ(collection.setWindow(0, WindowSpec {}), E_FAIL);
    EXPECT_EQ(collection.createWindows(&host, { 0, 0, 1, 1 }), E_FAIL);
}

TEST_F(ImageSourceCollectionTest, WindowCountMakesDefaultDescriptions)
{
    ASSERT_EQ(collection.setWindowCount(2), S_OK);
    EXPECT_EQ(collection.windowCount(), 2);
    EXPECT_EQ(collection.window(1)->background.xAlign, XAlignLeft);
    EXPECT_EQ(collection.window(1)->background.yAlign, YAlignTop);
    EXPECT_EQ(collection.window(2), nullptr);
    EXPECT_EQ(collection.setWindowCount(-1), E_INVALIDARG);
    EXPECT_FALSE(collection.hasWindowArray());
    EXPECT_EQ(collection.windowCount(), 0);
}

TEST_F(ImageSourceCollectionTest, SetWindowChecksTheIndexAndCutsTheBackgroundPath)
{
    ASSERT_EQ(collection.setWindowCount(1), S_OK);
    WindowSpec spec;
    spec.refresh = 25;
    spec.background.src = std::string(259, 'b');
    EXPECT_EQ(collection.setWindow(-1, spec), E_INVALIDARG);
    EXPECT_EQ(collection.setWindow(1, spec), E_INVALIDARG);
    EXPECT_EQ(collection.setWindow(0, spec), S_OK);
    EXPECT_EQ(collection.window(0)->refresh, 25);
    EXPECT_EQ(collection.window(0)->background.src, std::string(256, 'b'));
}

TEST_F(ImageSourceCollectionTest, InvalidRectanglesCreateNoWindow)
{
    ASSERT_EQ(collection.setWindowCount(1), S_OK);
    ASSERT_EQ(collection.setWindow(0, controlSpec({ 0.5, 0, 0.4, 1 })), S_OK);
    EXPECT_EQ(collection.createWindows(&host, { 0, 0, 1, 1 }), E_INVALIDARG);
    ASSERT_EQ(collection.setWindow(0, controlSpec({ 0, 0, 1, 1 })), S_OK);
    EXPECT_EQ(collection.createWindows(&host, { 0, 0, 2, 1 }), E_INVALIDARG);
    EXPECT_EQ(WindowRegistry::instance().recordCount(), 0);
}

TEST_F(ImageSourceCollectionTest, UnknownKindStopsTheCreation)
{
    ASSERT_EQ(collection.setWindowCount(2), S_OK);
    WindowSpec unknown = controlSpec({ 0, 0, 1, 1 });
    unknown.kind = 2;
    ASSERT_EQ(collection.setWindow(0, unknown), S_OK);
    ASSERT_EQ(collection.setWindow(1, controlSpec({ 0, 0, 1, 1 })), S_OK);
    EXPECT_EQ(collection.createWindows(&host, { 0, 0, 1, 1 }), E_INVALIDARG);
    EXPECT_EQ(WindowRegistry::instance().recordCount(), 0);
}

TEST_F(ImageSourceCollectionTest, ReplacingTheSourceRemovesItsWindows)
{
    auto first = std::make_unique<KeplerUniverse>();
    ImageSource* const firstSource = first.get();
    ASSERT_EQ(collection.setSource(std::move(first)), S_OK);
    ASSERT_EQ(collection.setWindowCount(2), S_OK);
    ASSERT_EQ(collection.setWindow(0, controlSpec({ 0, 0, 0.5, 1 })), S_OK);
    ASSERT_EQ(collection.setWindow(1, controlSpec({ 0.5, 0, 1, 1 })), S_OK);
    ASSERT_EQ(collection.createWindows(&host, { 0, 0, 1, 1 }), S_OK);
    ASSERT_EQ(WindowRegistry::instance().recordCount(), 2);
    for (WindowRecord* record : WindowRegistry::instance().records())
        EXPECT_EQ(record->imageSource, firstSource);

    ASSERT_EQ(collection.setSource(std::make_unique<KeplerUniverse>()), S_OK);
    EXPECT_EQ(WindowRegistry::instance().recordCount(), 0);
    ImageSource* source = nullptr;
    EXPECT_EQ(collection.getSource(&source), S_OK);
    EXPECT_NE(source, nullptr);
    EXPECT_EQ(collection.getSource(nullptr), E_INVALIDARG);
}

TEST_F(ImageSourceCollectionTest, DestructionRemovesTheWindowsOfItsSource)
{
    {
        ImageSourceCollection doomed;
        ASSERT_EQ(doomed.setSource(std::make_unique<KeplerUniverse>()), S_OK);
        ASSERT_EQ(doomed.setWindowCount(1), S_OK);
        ASSERT_EQ(doomed.setWindow(0, controlSpec({ 0, 0, 1, 1 })), S_OK);
        ASSERT_EQ(doomed.createWindows(&host, { 0.5, 0.5, 1, 1 }), S_OK);
        ASSERT_EQ(WindowRegistry::instance().recordCount(), 1);
        EXPECT_EQ(WindowRegistry::instance().records().front()->pixelRect, (PixelRect { 100, 50, 200, 100 }));
    }
    EXPECT_EQ(WindowRegistry::instance().recordCount(), 0);
}

} // namespace
