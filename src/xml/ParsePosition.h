#pragma once
// Line and position in a file of an offset that the parser reports.
//
// The parser works on the file converted to UTF-8 and counts its offsets in that
// converted text; the line and position are counted in the file's own characters:
// lines from 1 (CR, LF and CR LF each end a line), positions in the line from 1.
// In an 8-bit file a byte that does not start a valid UTF-8 sequence is one character.
#include <pugixml.hpp>

#include <cstddef>
#include <string>

struct ParsePosition {
    int line = 1;
    int position = 1;

    // `convertedOffset` past the end of the text gives the position after its last character.
    static ParsePosition locate(
        const std::string& fileBytes, pugi::xml_encoding encoding, std::ptrdiff_t convertedOffset);
};
