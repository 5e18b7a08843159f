#pragma once
// A line of text as the painter draws it, kept as 8-bit coverage with its advance.
//
// Shaping a name and drawing its glyphs costs far more than blending a colour through the
// few hundred pixels it covers, and a window writes the same names frame after frame: each
// text is laid out once per font and thread, and then only blended where it is written.
#include <QFont>
#include <QImage>

#include <string>

namespace raster {

class TextStamp {
public:
    // `text` in `font` (whose key() is `fontKey`), drawn black on nothing with its top-left
    // corner at (0, 0); kept while the thread writes few other texts.
    static const TextStamp& of(const QFont& font, const std::string& fontKey, const std::string& text);

    TextStamp(const QFont& font, const std::string& text);

    // Coverage (Format_Alpha8) of the glyphs, its top-left pixel at (left(), top()) from
    // the text's corner; empty for a text without ink.
    const QImage& coverage() const { return coverage_; }
    int left() const { return left_; }
    int top() const { return top_; }
    // The pen's advance over the whole text.
    int advance() const { return advance_; }

private:
    QImage coverage_;
    int left_ = 0;
    int top_ = 0;
    int advance_ = 0;
};

} // namespace raster
