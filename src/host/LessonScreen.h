#pragma once
// Between the layout on screen and a lesson (documents/Lesson.h): what a lesson keeps of
// the screen, and showing one. The speed is the display manager's; choosing it in a menu
// is the program's.
//
// Threading: window thread only, with no lock held: showing a lesson loads a layout,
// whose loader may show messages. See docs/threads.md.
#include "documents/Lesson.h"

#include <optional>
#include <string>
#include <vector>

class DisplayManager;
class XmlDocument;

class LessonScreen {
public:
    // The lesson of the layout on screen: its layout file's text, the speed and hold of
    // the screen, each animated source's model time and pause and each universe's systems.
    // Nothing, with `problem` saying why, without a layout on screen, when its file cannot
    // be read, or when a universe holds a number no file can hold.
    static std::optional<Lesson> capture(DisplayManager& manager, std::string& problem);

    // Shows `lesson`: its layout (with the layout loader's messages), each universe's
    // systems, then every source's pause and moment. A lesson that does not fit its own
    // layout (a source beyond its collections, systems for a source that is no universe,
    // systems that do not read as a universe file) is refused before anything changes, as
    // is a lesson asked for while a dialog or handler is open; so is one whose layout does
    // not load. Refused: false with `problem` set, and the layout on screen stays.
    static bool show(DisplayManager& manager, const Lesson& lesson, std::string& problem);

private:
    static bool captureSources(DisplayManager& manager, Lesson& lesson, std::string& problem);
    // The types of the layout's image sources, in collection order.
    static std::vector<std::string> sourceTypes(XmlDocument& layout);
    static bool checkSources(const Lesson& lesson, XmlDocument& layout, std::string& problem);
    static bool applyLayout(DisplayManager& manager, const Lesson& lesson, XmlDocument& layout, std::string& problem);
    static void applySources(DisplayManager& manager, const Lesson& lesson);
    static void applySystems(DisplayManager& manager, const Lesson::Source& source);
};
