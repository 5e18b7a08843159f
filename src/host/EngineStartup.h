#pragma once
// The start-up shared by every program that shows layouts (the skyloom program, the
// embeddable control): the window registry, the resource library and the shared
// sprites, in that order.
//
// Threading: window thread, before any layout is loaded.
// See docs/threads.md.
namespace platform {
class ResourceLibrary;
}

class EngineStartup {
public:
    // Makes the window registry, loads the resource library (once per process; it is
    // never unloaded) and makes it current, installs the Ptolemy editing dialogs, then
    // loads the shared sprites from it.
    // Null, with nothing shown, when the resource library cannot be loaded: the caller
    // says so in its own words.
    static const platform::ResourceLibrary* start();
};
