// The layout argument parsers on any texts, one argument a line, applied in turn as a
// layout's arguments are, their messages on: "name=value" splitting and booleans,
// colour components, window backgrounds and draw requests (the base source's statistics
// switch and the bitmap display's alignments). Whatever the text, a parse that fails
// changes nothing, and what a parse stores stays within its range.
#include "FuzzCheck.h"
#include "QuietMessageSink.h"

#include "documents/ArgumentText.h"
#include "documents/ColourArgument.h"
#include "drawing/BackgroundSpec.h"
#include "imagesource/ImageSource.h"
#include "platform/Text.h"
#include "sources/BitmapDisplayWindow.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// What the arguments of one input have built up so far.
struct ParsedArguments {
    ColourRef colour = 0;
    BackgroundSpec background;
    std::int32_t statisticsRequest = kDrawStatistics;
    std::int32_t bitmapRequest = bitmap_display::kDefaultDrawRequest;
};

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

void applyColour(const std::string& text, ColourRef& colour)
{
    const ColourRef before = colour;
    const HRESULT result = ParseColourArgument(text, colour, 1);
    if (FAILED(result)) {
        fuzz::check(isFailureCode(result) && colour == before, "a colour argument that fails changes nothing");
        return;
    }
    const ColourRef added = colour & ~before;
    fuzz::check((colour >> 24) == 0, "a colour holds three components only");
    fuzz::check(added == (added & 0xffu) || added == (added & 0xff00u) || added == (added & 0xff0000u),
        "one colour argument reaches one component");
}

void applyBackground(const std::string& text, BackgroundSpec& background)
{
    const BackgroundSpec before = background;
    const HRESULT result = applyBackgroundArg(text, background, 1);
    if (FAILED(result)) {
        fuzz::check(isFailureCode(result), "a background argument fails with a failure code");
        fuzz::check(
            background.src == before.src && background.xAlign == before.xAlign && background.yAlign == before.yAlign,
            "a background argument that fails changes nothing");
        return;
    }
    fuzz::check(!xAlignName(background.xAlign).empty() && !yAlignName(background.yAlign).empty(),
        "a background keeps placements it can name");
    fuzz::check(background.src.size() <= platform::kMaxPathLength, "a background path fits a path");
}

void applyStatisticsSwitch(ImageSource& source, const std::string& text, std::int32_t& request)
{
    const std::int32_t before = request;
    if (FAILED(source.ParseDrawArgument(text, request, 1))) {
        fuzz::check(request == before, "a draw argument that fails changes nothing");
        return;
    }
    fuzz::check(request == 0 || request == (before | kDrawStatistics), "draw_stat switches the statistics view");
}

void applyAlignment(BitmapDisplayWindow& display, const std::string& text, std::int32_t& request)
{
    const std::int32_t before = request;
    if (FAILED(display.ParseDrawArgument(text, request, 1))) {
        fuzz::check(request == before, "an alignment argument that fails changes nothing");
        return;
    }
    fuzz::check(std::popcount(static_cast<std::uint32_t>(request & bitmap_display::kXAlignBits)) <= 1
            && std::popcount(static_cast<std::uint32_t>(request & bitmap_display::kYAlignBits)) <= 1,
        "a draw request asks for one alignment a side at most");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::QuietMessageSink::install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static ImageSource plainSource;
    static BitmapDisplayWindow bitmapDisplay;
    ParsedArguments parsed;
    initBackground(parsed.background);
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string text(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        checkSplit(text);
        applyColour(text, parsed.colour);
        applyBackground(text, parsed.background);
        applyStatisticsSwitch(plainSource, text, parsed.statisticsRequest);
        applyAlignment(bitmapDisplay, text, parsed.bitmapRequest);
    }
    return 0;
}
