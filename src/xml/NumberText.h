#pragma once
// Number conversions of texts read from XML, as the platform's C library converts them.
#include <cstdint>
#include <optional>
#include <string>

namespace xmltext {

// As a 32-bit `atol` converts: leading blanks, an optional sign and decimal digits;
// 0 when there are none; values past the 32-bit range are clamped to it.
std::int32_t toLong(const std::string& text);

// As `strtod` converts a decimal number (leading blanks, sign, digits, an optional
// fraction and exponent); 0 when there is none. The decimal point is always '.',
// whatever the process locale, and "inf", "nan" and hexadecimal forms are not numbers.
double toDouble(const std::string& text);

// The decimal number `text` holds, read as toDouble reads it, when the text holds that
// number and nothing else but blanks around it; nothing otherwise (no number, or a number
// followed by anything else).
std::optional<double> toDoubleWhole(const std::string& text);

// As `strtod` reads a number that may be infinite or not a number: "inf", "infinity" and
// "nan" (any case, after blanks and a sign) give those values; any other text reads as
// toDouble reads it. For fields where such a value is refused rather than taken as 0.
double toDoubleOrNonFinite(const std::string& text);

} // namespace xmltext
