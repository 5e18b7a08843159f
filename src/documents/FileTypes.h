#pragma once
// The kinds of file the user opens and saves through the file dialogs, each written
// down once: the extension a typed name gets, what the dialog lists, and the folder it
// starts in (a folder of the shipped content under the root directory; backslashes
// are used as '/'). Callers name a kind (file_types::kLayout) rather than its texts.
#include "documents/FileFilter.h"

struct FileType {
    const char* defaultExtension; // for example ".lay"
    const char* filterDescription; // for example "LAY files (*.LAY)"
    const char* filterPattern; // for example "*.lay"
    const char* startFolder; // for example "AstreonLayouts\\"

    FileFilter filter() const { return FileFilter { filterDescription, filterPattern }; }
};

namespace file_types {

// Layouts of windows and image sources.
inline constexpr FileType kLayout { ".lay", "LAY files (*.LAY)", "*.lay", "AstreonLayouts\\" };
// Ptolemy universes: systems of cycles.
inline constexpr FileType kUniverse { ".ptu", "PTU files (*.PTU)", "*.ptu", "AstreonFiles\\" };
// Observation trails: published by the observatory, matched by the systems of cycles.
inline constexpr FileType kTrail { ".obs", "OBS files (*.OBS)", "*.obs", "AstreonFiles\\" };
// Pictures for the bitmap display.
inline constexpr FileType kBitmap { ".bmp", "BMP files (*.BMP)", "*.bmp", "AstreonBitmaps\\" };
// Whole lessons: a layout with its systems, speed and moment (documents/Lesson.h).
inline constexpr FileType kLesson { ".skylesson", "Lesson files (*.skylesson)", "*.skylesson", "lessons\\" };

} // namespace file_types
