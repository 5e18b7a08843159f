// Pictures and animations of the running layout, made by the script steps and by --record
// on a shipped layout, and read back as a viewer would: the SVG drawing parsed for its
// figures, the GIF's frames counted by giflib, the PNG's size measured.
#include "ProgramSandbox.h"
#include "support/XmlElements.h"

#include <QImage>
#include <QXmlStreamReader>

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

namespace {

// Ptolemy's Mars, named: the layout creates its observer window (0), then its control window (1).
std::string marsLayout() { return ProgramSandbox::rootDirectory() + "/AstreonLayouts/PtolemyUniverse.lay"; }

struct Drawing {
    bool wellFormed = false;
    QSize viewBox;
    std::map<QString, int> elements; // how many of each element
    int widestPicture = 0; // of the embedded pictures

    int count(const char* element) const
    {
        const auto found = elements.find(QLatin1String(element));
        return found == elements.end() ? 0 : found->second;
    }
};

Drawing readDrawing(const std::string& path)
{
    Drawing drawing;
    drawing.wellFormed = testing_support::visitStartElements(path, [&drawing](QXmlStreamReader& reader) {
        ++drawing.elements[reader.name().toString()];
        if (reader.name() == QLatin1String("image"))
            drawing.widestPicture
                = std::max(drawing.widestPicture, reader.attributes().value(QLatin1String("width")).toInt());
        if (reader.name() == QLatin1String("svg")) {
            const QStringList box = reader.attributes().value(QLatin1String("viewBox")).toString().split(' ');
            if (box.size() == 4)
                drawing.viewBox = QSize(box[2].toInt(), box[3].toInt());
        }
    });
    return drawing;
}

struct Animation {
    bool read = false;
    QSize size;
    int frames = 0;
    int shortestDelay = 0; // hundredths of a second
};

Animation readAnimation(const std::string& path)
{
    Animation animation;
    int error = 0;
    GifFileType* const file = DGifOpenFileName(path.c_str(), &error);
    if (!file)
        return animation;
    animation.read = DGifSlurp(file) == GIF_OK;
    animation.size = QSize(file->SWidth, file->SHeight);
    animation.frames = file->ImageCount;
    for (int frame = 0; frame < file->ImageCount; ++frame) {
        GraphicsControlBlock control {};
        DGifSavedExtensionToGCB(file, frame, &control);
        if (frame == 0 || control.DelayTime < animation.shortestDelay)
            animation.shortestDelay = control.DelayTime;
    }
    DGifCloseFile(file, &error);
    return animation;
}

} // namespace

TEST(MediaFlowTest, TheStepsWriteAVectorDrawingAPictureOfTheLayoutAndAnAnimationAndRefuseBadRequests)
{
    const ProgramSandbox sandbox;
    const std::filesystem::path folder = sandbox.file("media");
    std::filesystem::create_directory(folder);
    const std::string drawing = (folder / "universe.svg").string();
    const std::string layout = (folder / "layout.png").string();
    const std::string whole = (folder / "whole.png").string();
    const std::string animation = (folder / "universe.gif").string();
    const std::string missing = (folder / "missing" / "none.png").string();
    const std::string script = sandbox.writeScript("media.txt",
        { "wait 500", "export-svg 0 " + drawing, "export-png -1 " + layout, "screenshot " + whole,
            "record 0 3 " + animation, "export-svg 7 " + (folder / "none.svg").string(),
            "record 0 0 " + (folder / "none.gif").string(), "export-png 0 " + missing, "quit" });

    const ProgramResult result = sandbox.run({ "--batch", "--script", script, "--", marsLayout() });

    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> errors = result.errorLines();
    ASSERT_EQ(errors.size(), 3u) << result.errors;
    EXPECT_EQ(errors[0], "skyloom: script line 6: There is no window 7 in the layout on screen.");
    EXPECT_EQ(
        errors[1], "skyloom: script line 7: A recording lasts a number of seconds above 0 and at most 3600, not '0'.");
    EXPECT_EQ(errors[2].rfind("skyloom: script line 8: Could not write the picture " + missing + ": ", 0), 0u)
        << "then the system's reason: " << errors[2];

    const Drawing figures = readDrawing(drawing);
    ASSERT_TRUE(figures.wellFormed) << "not a well-formed SVG drawing: " << drawing;
    EXPECT_EQ(figures.count("svg"), 1);
    EXPECT_GT(figures.count("polyline"), 0) << "the trail and the lines stay lines";
    EXPECT_GT(figures.count("circle"), 0) << "the deferent and the epicycle stay circles";
    EXPECT_GT(figures.count("text"), 0) << "the names stay text";
    EXPECT_LE(figures.widestPicture, 32) << "only the small sprites are embedded as pictures";

    const QImage picture(QString::fromStdString(layout));
    const QImage window(QString::fromStdString(whole));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), window.width()) << "the layout spans the main window";
    EXPECT_LT(picture.height(), window.height()) << "without the menu and the time bar";
    EXPECT_GT(picture.width(), figures.viewBox.width()) << "more than window 0";

    const Animation frames = readAnimation(animation);
    ASSERT_TRUE(frames.read) << "giflib cannot read " << animation;
    EXPECT_EQ(frames.size, figures.viewBox) << "window 0, as in the drawing";
    EXPECT_GE(frames.frames, 10);
    EXPECT_GE(frames.shortestDelay, 2) << "browsers show shorter frames for a tenth of a second";

    EXPECT_EQ(testing_support::folderEntries(folder),
        (std::vector<std::string> { "layout.png", "universe.gif", "universe.svg", "whole.png" }))
        << "no temporary or refused file is left";
}

TEST(MediaFlowTest, RecordRecordsTheWholeLayoutThenQuitsAndAFolderThatIsMissingFailsTheRun)
{
    const ProgramSandbox sandbox;
    const std::string animation = sandbox.file("layout.gif");

    const ProgramResult recorded = sandbox.run({ "--batch", "--record", "1", animation, "--", marsLayout() });
    const ProgramResult refused
        = sandbox.run({ "--batch", "--record", "1", sandbox.file("missing/layout.gif"), "--", marsLayout() });

    EXPECT_EQ(recorded.exitCode, 0) << recorded.errors;
    const Animation frames = readAnimation(animation);
    ASSERT_TRUE(frames.read) << "giflib cannot read " << animation;
    EXPECT_GE(frames.frames, 10);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.errorLines(),
        std::vector<std::string> { "skyloom: Could not write the animation " + sandbox.file("missing/layout.gif")
            + ": the folder " + sandbox.file("missing") + " does not exist." });
}
