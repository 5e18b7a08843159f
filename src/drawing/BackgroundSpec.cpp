#include "drawing/BackgroundSpec.h"

#include "documents/ArgumentText.h"
#include "platform/Message.h"
#include "platform/Text.h"

#include <array>
#include <optional>

namespace {

struct AlignWord {
    const char* word;
    std::int32_t value;
};

constexpr std::array<AlignWord, 4> kXAlignWords { {
    { "stretch", XAlignStretch },
    { "tile", XAlignTile },
    { "left", XAlignLeft },
    { "right", XAlignRight },
} };

constexpr std::array<AlignWord, 4> kYAlignWords { {
    { "stretch", YAlignStretch },
    { "tile", YAlignTile },
    { "top", YAlignTop },
    { "bottom", YAlignBottom },
} };

std::optional<std::int32_t> alignValue(const std::array<AlignWord, 4>& words, const std::string& word)
{
    for (const AlignWord& entry : words) {
        if (word == entry.word)
            return entry.value;
    }
    return std::nullopt;
}

std::string alignName(const std::array<AlignWord, 4>& words, std::int32_t value)
{
    for (const AlignWord& entry : words) {
        if (value == entry.value)
            return entry.word;
    }
    return {};
}

HRESULT rejectNamedArgument(const std::string& name, const std::string& value, std::int32_t reportErrors)
{
    if (reportErrors == 1)
        platform::showMessage(
            platform::formatText("Background: unrecognized argument: %s = %s", name.c_str(), value.c_str()),
            "Astreon Error");
    return E_INVALIDARG;
}

} // namespace

void initBackground(BackgroundSpec& spec)
{
    spec.src.clear();
    spec.xAlign = XAlignLeft;
    spec.yAlign = YAlignTop;
}

HRESULT applyBackgroundArg(const std::string& text, BackgroundSpec& spec, std::int32_t reportErrors)
{
    std::string name;
    std::string value;
    const HRESULT split = splitArgument(text, name, value);
    if (FAILED(split)) {
        if (reportErrors == 1)
            platform::showMessage(
                platform::formatText("Background : unrecognized argument (%s)", argumentNamePart(text).c_str()),
                "Parser Error");
        return split;
    }
    const HRESULT applied = applyNamedBackgroundArg(name, value, spec, reportErrors);
    return FAILED(applied) ? applied : S_OK;
}

HRESULT applyNamedBackgroundArg(
    const std::string& name, const std::string& value, BackgroundSpec& spec, std::int32_t reportErrors)
{
    if (name.empty() || value.empty())
        return rejectNamedArgument(name, value, reportErrors);
    if (name == "src") {
        spec.src = platform::cutText(value, platform::kMaxPathLength);
        return S_OK;
    }
    std::optional<std::int32_t> placement;
    if (name == "xAlign")
        placement = alignValue(kXAlignWords, value);
    else if (name == "yAlign")
        placement = alignValue(kYAlignWords, value);
    if (!placement)
        return rejectNamedArgument(name, value, reportErrors);
    (name == "xAlign" ? spec.xAlign : spec.yAlign) = *placement;
    return S_OK;
}

std::string xAlignName(std::int32_t value) { return alignName(kXAlignWords, value); }

std::string yAlignName(std::int32_t value) { return alignName(kYAlignWords, value); }
