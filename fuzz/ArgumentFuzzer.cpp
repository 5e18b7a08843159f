// The layout argument parsers on any texts, one argument a line, their messages on:
// "name=value" splitting and booleans, colour components, window backgrounds and draw
// requests (the base source's statistics switch and the bitmap display's alignments).
// Each parser takes the lines as a layout takes an element's arguments: every text cut
// to 256 characters, applied in turn up to the first that fails, whose message ends the
// list. Whatever the text, a parse that fails changes nothing, and what a parse stores
// stays within its range.
//
// Stopping at the first failure is what the layout loader does, and it keeps a run cheap:
// each parser shows one message at most, however many lines an input holds.
#include "FuzzCheck.h"

#include "documents/ArgumentText.h"
#include "documents/ColourArgument.h"
#include "drawing/BackgroundSpec.h"
#include "imagesource/ImageSource.h"
#include "platform/Text.h"
#include "sources/BitmapDisplayWindow.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using ArgumentTexts = std::vector<std::string>;

// The lines of an input, each cut as a layout cuts the text of an argument.
ArgumentTexts argumentTexts(const std::uint8_t* data, std::size_t size)
{
    ArgumentTexts texts;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        texts.emplace_back(rest.substr(0, std::min(end, platform::kMaxTextLength)));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return texts;
}

// Applies the texts in turn up to the first that fails (apply returns false).
template <typename Apply> void applyInTurn(const ArgumentTexts& texts, Apply apply)
{
    for (const std::string& text : texts) {
        if (!apply(text))
            return;
    }
}

bool isFailureCode(HRESULT result) { return result == E_FAIL || result == E_INVALIDARG; }

void checkSplit(const std::string& text)
{
    std::string name;
    std::string value;
    const HRESULT result = splitArgument(text, name, value);
    const std::size_t equals = text.find('=');
    fuzz::check(argumentNamePart(text) == text.substr(0, equals), "the name part ends at the first '='");
    if (equals == std::string::npos) {
        fuzz::check(result == E_FAIL, "a text without '=' does not split");
        return;
    }
    fuzz::check(name + "=" + value == text, "a split text is its name, '=' and its value");
    fuzz::check(result == (value.empty() ? E_INVALIDARG : S_OK), "only an empty value fails a split");
    bool truth = false;
    if (SUCCEEDED(parseBoolean(value, truth)))
        fuzz::check(value.size() == 1, "a boolean is one character");
}

bool applyColour(const std::string& text, ColourRef& colour)
{
    const ColourRef before = colour;
    const HRESULT result = ParseColourArgument(text, colour, 1);
    if (FAILED(result)) {
        fuzz::check(isFailureCode(result) && colour == before, "a colour argument that fails changes nothing");
        return false;
    }
    const ColourRef added = colour & ~before;
    fuzz::check((colour >> 24) == 0, "a colour holds three components only");
    fuzz::check(added == (added & 0xffu) || added == (added & 0xff00u) || added == (added & 0xff0000u),
        "one colour argument reaches one component");
    return true;
}

bool applyBackground(const std::string& text, BackgroundSpec& background)
{
    const BackgroundSpec before = background;
    const HRESULT result = applyBackgroundArg(text, background, 1);
    if (FAILED(result)) {
        fuzz::check(isFailureCode(result), "a background argument fails with a failure code");
        fuzz::check(
            background.src == before.src && background.xAlign == before.xAlign && background.yAlign == before.yAlign,
            "a background argument that fails changes nothing");
        return false;
    }
    fuzz::check(!xAlignName(background.xAlign).empty() && !yAlignName(background.yAlign).empty(),
        "a background keeps placements it can name");
    fuzz::checkCut(background.src, platform::kMaxPathLength, "a background path fits a path");
    return true;
}

// A draw argument parsed by `source`; false, after checking that nothing changed, when it fails.
bool parseDrawArgument(ImageSource& source, const std::string& text, std::int32_t& request)
{
    const std::int32_t before = request;
    if (SUCCEEDED(source.ParseDrawArgument(text, request, 1)))
        return true;
    fuzz::check(request == before, "a draw argument that fails changes nothing");
    return false;
}

bool applyStatisticsSwitch(ImageSource& source, const std::string& text, std::int32_t& request)
{
    const std::int32_t before = request;
    if (!parseDrawArgument(source, text, request))
        return false;
    fuzz::check(request == 0 || request == (before | kDrawStatistics), "draw_stat switches the statistics view");
    return true;
}

int alignmentsIn(std::int32_t request, std::int32_t bits)
{
    return std::popcount(static_cast<std::uint32_t>(request & bits));
}

bool applyAlignment(BitmapDisplayWindow& display, const std::string& text, std::int32_t& request)
{
    if (!parseDrawArgument(display, text, request))
        return false;
    fuzz::check(alignmentsIn(request, bitmap_display::kXAlignBits) <= 1
            && alignmentsIn(request, bitmap_display::kYAlignBits) <= 1,
        "a draw request asks for one alignment a side at most");
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static ImageSource plainSource;
    static BitmapDisplayWindow bitmapDisplay;
    const ArgumentTexts texts = argumentTexts(data, size);
    for (const std::string& text : texts)
        checkSplit(text);
    ColourRef colour = 0;
    applyInTurn(texts, [&](const std::string& text) { return applyColour(text, colour); });
    BackgroundSpec background;
    initBackground(background);
    applyInTurn(texts, [&](const std::string& text) { return applyBackground(text, background); });
    std::int32_t statisticsRequest = kDrawStatistics;
    applyInTurn(
        texts, [&](const std::string& text) { return applyStatisticsSwitch(plainSource, text, statisticsRequest); });
    std::int32_t bitmapRequest = bitmap_display::kDefaultDrawRequest;
    applyInTurn(texts, [&](const std::string& text) { return applyAlignment(bitmapDisplay, text, bitmapRequest); });
    return 0;
}
