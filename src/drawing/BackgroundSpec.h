#pragma once
// How an observer window's background bitmap is chosen and placed: the
// arguments of a window's Background element ("src", "xAlign", "yAlign").
#include "platform/Result.h"

#include <cstdint>
#include <string>

// Horizontal placement codes.
enum XAlign : std::int32_t { XAlignLeft = 0, XAlignStretch = 1, XAlignTile = 2, XAlignRight = 3 };
// Vertical placement codes (note: 0 is bottom, 3 is top).
enum YAlign : std::int32_t { YAlignBottom = 0, YAlignStretch = 1, YAlignTile = 2, YAlignTop = 3 };

struct BackgroundSpec {
    std::string src; // bitmap path (at most 259 characters); empty: no bitmap
    std::int32_t xAlign = XAlignLeft;
    std::int32_t yAlign = YAlignTop;
};

void initBackground(BackgroundSpec& spec);
// Applies one "name=value" argument; messages only when reportErrors is 1.
HRESULT applyBackgroundArg(const std::string& text, BackgroundSpec& spec, std::int32_t reportErrors);
HRESULT applyNamedBackgroundArg(
    const std::string& name, const std::string& value, BackgroundSpec& spec, std::int32_t reportErrors);
// The argument word of a placement code, or "" for codes outside 0-3.
std::string xAlignName(std::int32_t value);
std::string yAlignName(std::int32_t value);
