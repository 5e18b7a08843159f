#pragma once
// An INI file held as its lines, so that a program can change some values and write the
// file back with everything else (comments, other sections, their order) as it was. The
// registry file is read and written through it.
//
// A key is "section/name": the section's name (its parts separated by '/' or '\'), '/',
// and the name before '=' on a line of that section; spaces around names and values do
// not count. A value is read as written: between double quotes with \" \\ \n \t \r
// undone (as QSettings writes them), or else the rest of the line as it stands, commas,
// semicolons and backslashes included. Lines starting with ';' or '#' are comments.
#include <optional>
#include <string>
#include <vector>

namespace platform {

class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(const std::string& text);

    // The value of `key`; the last one when the key occurs more than once.
    std::optional<std::string> value(const std::string& key) const;

    // Sets `name` in `section` (created at the end when missing). A value that would not
    // read back as it stands is written in double quotes with escapes.
    void setValue(const std::string& section, const std::string& name, const std::string& value);
    // Removes `section` and every section below it, with their values.
    void removeTree(const std::string& section);

    // The whole file as text, one '\n' after every line.
    std::string text() const;

private:
    struct Line {
        std::string text; // as read or written
        std::string section; // the section it belongs to (slashes only)
        bool isHeader = false;
    };

    static bool isBelow(const std::string& section, const std::string& tree);
    std::vector<Line> lines_;
};

} // namespace platform
