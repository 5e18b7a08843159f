#pragma once
// The Ptolemy universes of the layout on screen, found through their image source
// collections, and what tells one layout on screen from the next: the display manager's
// counts of loads and commits. What keeps a universe between calls keeps its collection's
// index and the count, and looks the universe up again, so that a load that destroys it
// leaves nothing dangling.
//
// Threading: window thread only. See docs/threads.md.
#include <cstdint>
#include <optional>

class DisplayManager;
class LayoutHost;
class PtolemyUniverse;

class ScreenUniverses {
public:
    // The layout on screen of one display manager, told apart from the next.
    struct Count {
        const DisplayManager* manager = nullptr;
        std::int32_t loads = 0;
        std::int32_t commits = 0;
        bool operator==(const Count& other) const = default;
    };

    // Nothing without a host or a display manager.
    static std::optional<Count> countOf(const LayoutHost* host);
    // The universe that collection `collection` of the layout on screen shows, or null.
    static PtolemyUniverse* at(const LayoutHost* host, int collection);
    // The collection that shows `universe`, or nothing when it is not on screen.
    static std::optional<int> collectionOf(const LayoutHost* host, const PtolemyUniverse& universe);
};
