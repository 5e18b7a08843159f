// Whole lessons through the script steps save-lesson and open-lesson and Layout > Open
// Lesson (menu command 40032): a lesson saved by one run and opened by another shows the
// same systems, speed and moment; a damaged lesson is refused with a clear message and the
// layout on screen stays as it was.
#include "ProgramSandbox.h"
#include "support/XmlElements.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

std::string shippedLayout(const std::string& name)
{
    return ProgramSandbox::rootDirectory() + "/AstreonLayouts/" + name;
}

// What a lesson file says of the screen and of its first source.
struct LessonParts {
    std::string speed;
    std::string held;
    double time = -1;
    std::string paused;
    std::string systems;
};

LessonParts readLesson(const std::string& path)
{
    LessonParts parts;
    testing_support::visitStartElements(path, [&parts](QXmlStreamReader& reader) {
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.name() == QLatin1String("Time")) {
            parts.speed = attributes.value("speed").toString().toStdString();
            parts.held = attributes.value("held").toString().toStdString();
        } else if (reader.name() == QLatin1String("Source") && parts.time < 0) {
            parts.time = attributes.value("time").toDouble();
            parts.paused = attributes.value("paused").toString().toStdString();
        } else if (reader.name() == QLatin1String("Systems") && parts.systems.empty()) {
            parts.systems = reader.readElementText().toStdString();
        }
    });
    return parts;
}

} // namespace

TEST(LessonFlowTest, ALessonOpenedAgainShowsTheSameSystemsSpeedAndMoment)
{
    const ProgramSandbox sandbox;
    const std::string lesson = sandbox.file("mars lesson.skylesson");
    const std::string again = sandbox.file("again.skylesson");
    // Mars Against The Sky.lay creates its two observer windows (0, 1), then the control window (2).
    const std::string first = sandbox.writeScript("save.txt",
        { "wait 300", "menu 40015", "live 0 1 r 33.5", "menu 40021", "goto 2020-10-01", "save-lesson " + lesson,
            "quit" });
    const std::string second = sandbox.writeScript("open.txt",
        { "wait 200", "open-lesson " + lesson, "save-lesson " + again, "answer-file " + sandbox.file("shown.ptu"),
            "press 2 Save", "quit" });

    const ProgramResult saving
        = sandbox.run({ "--batch", "--script", first, "--", shippedLayout("Mars Against The Sky.lay") });
    const ProgramResult opening
        = sandbox.run({ "--batch", "--script", second, "--", shippedLayout("PtolemyUniverse.lay") });

    EXPECT_EQ(saving.errors, "");
    EXPECT_EQ(opening.errors, "") << "the control window of the lesson's layout saved";
    const LessonParts saved = readLesson(lesson);
    const LessonParts opened = readLesson(again);
    EXPECT_NE(saved.systems.find("<r>33.500000</r>"), std::string::npos) << saved.systems;
    EXPECT_EQ(testing_support::readWholeFile(sandbox.file("shown.ptu")), saved.systems);
    EXPECT_EQ(opened.systems, saved.systems);
    EXPECT_EQ(opened.speed, "8");
    EXPECT_EQ(opened.held, "1");
    EXPECT_EQ(opened.paused, "1");
    EXPECT_GT(saved.time, 2.7) << "October 2020 lies almost three years after the trail's start";
    EXPECT_NEAR(opened.time, saved.time, 0.008) << "within a frame step at x8";
}

TEST(LessonFlowTest, ADamagedLessonIsRefusedAndTheLayoutOnScreenStays)
{
    const ProgramSandbox sandbox;
    const std::string good = sandbox.file("good.skylesson");
    sandbox.run({ "--batch", "--script", sandbox.writeScript("save.txt", { "save-lesson " + good, "quit" }), "--",
        shippedLayout("PtolemyUniverse.lay") });
    const std::string text = testing_support::readWholeFile(good);
    ASSERT_NE(text.find("time=\""), std::string::npos) << text;
    const std::string cut = sandbox.folder().write("cut.skylesson", text.substr(0, text.size() / 2));
    std::string endless = text;
    endless.insert(endless.find("time=\"") + 6, "1e999");
    const std::string infinite = sandbox.folder().write("infinite.skylesson", endless);
    const std::string script = sandbox.writeScript("open.txt",
        { "wait 200", "press 1 Pause", "press 1 Random", "answer-file " + sandbox.file("before.ptu"), "press 1 Save",
            "open-lesson " + cut, "answer-file " + infinite, "menu 40032", "answer-file " + sandbox.file("after.ptu"),
            "press 1 Save", "quit" });

    const ProgramResult result
        = sandbox.run({ "--batch", "--script", script, "--", shippedLayout("PtolemyUniverse.lay") });

    const std::vector<std::string> expected = {
        "skyloom: script line 6: Couldn't open the lesson " + cut + ": it is not well-formed XML",
        "MessageBox[Open Lesson]: Couldn't open the lesson " + infinite
            + ": a source needs index (a whole number from 0), time (a number from 0) and paused (0 or 1)",
    };
    EXPECT_EQ(result.errorLines(), expected) << result.errors;
    EXPECT_EQ(testing_support::readWholeFile(sandbox.file("after.ptu")),
        testing_support::readWholeFile(sandbox.file("before.ptu")))
        << "the random systems on screen stay";
}
