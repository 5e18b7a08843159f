#include "xml/ParsePosition.h"

#include <cstdint>

namespace {

// One character of the file: its code, its length in the file and in the converted text.
struct FileCharacter {
    std::uint32_t code = 0;
    std::size_t fileLength = 1;
    std::size_t convertedLength = 1;
};

constexpr std::uint32_t kByteOrderMark = 0xFEFF;

std::size_t utf8Length(std::uint32_t code)
{
    if (code < 0x80)
        return 1;
    if (code < 0x800)
        return 2;
    if (code < 0x10000)
        return 3;
    return 4;
}

unsigned byteAt(const std::string& bytes, std::size_t index) { return static_cast<unsigned char>(bytes[index]); }

// A valid UTF-8 sequence is one character; any other byte passes through the parser as one.
FileCharacter readUtf8(const std::string& bytes, std::size_t index)
{
    const unsigned lead = byteAt(bytes, index);
    std::size_t length = 1;
    std::uint32_t code = lead;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    }
    if (index + length > bytes.size())
        return { lead, 1, 1 };
    for (std::size_t next = 1; next < length; ++next) {
        const unsigned continuation = byteAt(bytes, index + next);
        if ((continuation & 0xC0u) != 0x80u)
            return { lead, 1, 1 };
        code = (code << 6) | (continuation & 0x3Fu);
    }
    return { code, length, length };
}

FileCharacter readLatin1(const std::string& bytes, std::size_t index)
{
    const std::uint32_t code = byteAt(bytes, index);
    return { code, 1, utf8Length(code) };
}

std::uint32_t unitAt(const std::string& bytes, std::size_t index, std::size_t width, bool bigEndian)
{
    std::uint32_t unit = 0;
    for (std::size_t byte = 0; byte < width; ++byte) {
        const std::size_t shift = 8 * (bigEndian ? width - 1 - byte : byte);
        unit |= static_cast<std::uint32_t>(byteAt(bytes, index + byte)) << shift;
    }
    return unit;
}

FileCharacter readUtf16(const std::string& bytes, std::size_t index, bool bigEndian)
{
    if (index + 2 > bytes.size())
        return { 0, bytes.size() - index, 0 };
    const std::uint32_t unit = unitAt(bytes, index, 2, bigEndian);
    const bool highSurrogate = unit >= 0xD800 && unit <= 0xDBFF;
    if (highSurrogate && index + 4 <= bytes.size()) {
        const std::uint32_t low = unitAt(bytes, index + 2, 2, bigEndian);
        if (low >= 0xDC00 && low <= 0xDFFF)
            return { 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), 4, 4 };
    }
    return { unit, 2, utf8Length(unit) };
}

FileCharacter readUtf32(const std::string& bytes, std::size_t index, bool bigEndian)
{
    if (index + 4 > bytes.size())
        return { 0, bytes.size() - index, 0 };
    const std::uint32_t code = unitAt(bytes, index, 4, bigEndian);
    return { code, 4, utf8Length(code) };
}

FileCharacter readCharacter(const std::string& bytes, std::size_t index, pugi::xml_encoding encoding)
{
    switch (encoding) {
    case pugi::encoding_latin1:
        return readLatin1(bytes, index);
    case pugi::encoding_utf16_le:
        return readUtf16(bytes, index, false);
    case pugi::encoding_utf16_be:
        return readUtf16(bytes, index, true);
    case pugi::encoding_utf32_le:
        return readUtf32(bytes, index, false);
    case pugi::encoding_utf32_be:
        return readUtf32(bytes, index, true);
    default:
        return readUtf8(bytes, index);
    }
}

} // namespace

ParsePosition ParsePosition::locate(
    const std::string& fileBytes, pugi::xml_encoding encoding, std::ptrdiff_t convertedOffset)
{
    ParsePosition result;
    std::size_t index = 0;
    std::ptrdiff_t converted = 0;
    bool afterCarriageReturn = false;
    while (index < fileBytes.size() && converted < convertedOffset) {
        const FileCharacter character = readCharacter(fileBytes, index, encoding);
        const bool leadingMark = index == 0 && character.code == kByteOrderMark;
        if (character.code == '\n') {
            if (!afterCarriageReturn)
                ++result.line;
            result.position = 1;
        } else if (character.code == '\r') {
            ++result.line;
            result.position = 1;
        } else if (!leadingMark) {
            ++result.position;
        }
        afterCarriageReturn = character.code == '\r';
        index += character.fileLength;
        converted += static_cast<std::ptrdiff_t>(character.convertedLength);
    }
    return result;
}
