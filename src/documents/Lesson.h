#pragma once
// A lesson: the layout on screen with what the user made of it, kept in one file
// (.skylesson) so that opening it later shows the same screen: the layout file's text as
// it was read, the speed of the View menu and whether Pause All held the screen, and for
// each animated source its model time and pause, and a Ptolemy universe's systems as its
// universe file's text. The format is in docs/file-formats.md.
//
// Reading refuses a file that is not a lesson (not XML, another document element, another
// version), misses a part, or holds a number that is not finite, with the reason.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Lesson {
public:
    static constexpr int kVersion = 1;

    struct Source {
        std::int32_t index = 0; // the source's image source collection in the layout, from 0
        double time = 0; // its model time
        bool paused = false;
        std::optional<std::string> systems; // a Ptolemy universe's systems: a universe file's text
        std::string shownFile; // the universe file that universe shows
    };

    std::string layoutPath; // the layout file as the display manager names it
    std::string layoutText; // its contents
    double speed = 1; // the factor on every clock's step
    bool held = false; // Pause All held the screen
    std::vector<Source> sources; // in layout order

    // The lesson file's text.
    std::string text() const;
    // The lesson `bytes` hold; nothing, with `problem` saying why, when they hold none.
    static std::optional<Lesson> read(const std::string& bytes, std::string& problem);
};
