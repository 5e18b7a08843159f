#include "platform/DisplayText.h"

#include <cstddef>

namespace platform {

namespace {

    unsigned byteAt(const std::string& bytes, std::size_t index) { return static_cast<unsigned char>(bytes[index]); }

    // The length of the valid UTF-8 sequence at `index` and its code point, or 0 when the
    // bytes there are not one (overlong forms, surrogates and codes past U+10FFFF are not).
    std::size_t utf8Sequence(const std::string& bytes, std::size_t index, char32_t& code)
    {
        const unsigned lead = byteAt(bytes, index);
        std::size_t length = 0;
        unsigned low = 0x80;
        unsigned high = 0xBF; // the range of the second byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0Fu;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07u;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return 0;
        }
        if (index + length > bytes.size())
            return 0;
        for (std::size_t next = 1; next < length; ++next) {
            const unsigned continuation = byteAt(bytes, index + next);
            if (continuation < (next == 1 ? low : 0x80u) || continuation > (next == 1 ? high : 0xBFu))
                return 0;
            code = (code << 6) | (continuation & 0x3Fu);
        }
        return length;
    }

} // namespace

QString displayText(const std::string& bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    std::size_t index = 0;
    while (index < bytes.size()) {
        const unsigned byte = byteAt(bytes, index);
        char32_t code = byte;
        std::size_t length = byte < 0x80 ? 1 : utf8Sequence(bytes, index, code);
        if (length == 0) {
            code = byte; // Latin-1
            length = 1;
        }
        text.append(QString::fromUcs4(&code, 1));
        index += length;
    }
    return text;
}

std::string storedText(const QString& shown, const std::string& lastSet)
{
    if (shown == displayText(lastSet))
        return lastSet;
    return shown.toUtf8().toStdString();
}

} // namespace platform
