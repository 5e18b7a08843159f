#include "ptolemydialogs/DisplayDialog.h"

#include "dialogs/Notification.h"
#include "dialogs/TemplateDialog.h"
#include "platform/Text.h"
#include "ptolemy/PtolemyBody.h"
#include "ptolemy/PtolemyFlags.h"
#include "ptolemydialogs/ColourChoice.h"
#include "ptolemydialogs/EditingState.h"
#include "ptolemydialogs/SystemsDialog.h"

#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace ptolemy_dialogs {

namespace {

    namespace notification = dialogs::notification;

    constexpr int kDone = 1;
    constexpr int kDots = 1001;
    constexpr int kPlanetSymbol = 1003;
    constexpr int kTraceColourButton = 1010;
    constexpr int kOrbitColourText = 1011;
    constexpr int kOrbitColourButton = 1012;
    constexpr int kTraceColourText = 1013;
    constexpr int kTrailLength = 1015;
    constexpr int kVisible = 1019;
    constexpr int kBlockSize = 1037;
    constexpr int kSpeed = 1038;
    constexpr int kMarkerEvery = 1039;

    constexpr int kDoneResult = 2;

    struct FlagBox {
        int id;
        std::int32_t flag;
    };

    constexpr FlagBox kFlagBoxes[] = {
        { 1028, ptolemy_flags::kLines },
        { 1029, ptolemy_flags::kFullTrace },
        { 1031, ptolemy_flags::kAnimated },
        { 1035, ptolemy_flags::kPlanet },
        { 1032, ptolemy_flags::kCircles },
        { kDots, ptolemy_flags::kDots },
        { 1030, ptolemy_flags::kDrag },
    };

    EditingState& state() { return EditingState::instance(); }

    std::string colourText(ColourRef colour)
    {
        return platform::formatText("%02x, %02x, %02x", redOf(colour), greenOf(colour), blueOf(colour));
    }

    // The value of the chosen entry of a settings drop-down; nothing without a choice.
    std::optional<std::int32_t> chosenValue(
        const dialogs::TemplateDialog& dialog, int id, const BodySettingEntry* entries, int count)
    {
        const int row = dialog.selectedComboRow(id);
        if (row < 0 || row >= count)
            return std::nullopt;
        return entries[row].value;
    }

} // namespace

void DisplayDialog::init(dialogs::TemplateDialog& dialog, QWidget*)
{
    showColours(dialog);
    std::int32_t flags = 0;
    bool visible = false;
    std::int32_t trailLength = 0, bandWidth = 0, speed = 0, dotInterval = 0;
    state().withSystem([&](PtolemyBody& system) {
        flags = system.GetDisplayFlags();
        visible = system.IsVisible();
        trailLength = system.GetTrailLength();
        bandWidth = system.GetBandWidth();
        speed = system.GetAnimationSpeed();
        dotInterval = system.GetDotInterval();
    });
    for (const FlagBox& box : kFlagBoxes)
        dialog.setChecked(box.id, (flags & box.flag) != 0);
    dialog.setChecked(kVisible, visible);
    fillPlanetChoice(dialog);
    fillChoice(dialog, kTrailLength, PtolemyBody::kTrailLengths, std::size(PtolemyBody::kTrailLengths), trailLength);
    fillChoice(dialog, kBlockSize, PtolemyBody::kBandWidths, std::size(PtolemyBody::kBandWidths), bandWidth);
    fillChoice(dialog, kSpeed, PtolemyBody::kAnimationSpeeds, std::size(PtolemyBody::kAnimationSpeeds), speed);
    fillChoice(dialog, kMarkerEvery, PtolemyBody::kDotIntervals, std::size(PtolemyBody::kDotIntervals), dotInterval);
}

void DisplayDialog::command(dialogs::TemplateDialog& dialog, int id, int code)
{
    // A drop-down acts on every notification, also a re-choice of the entry shown.
    if (code == notification::kComboSelectionChange && changeSetting(dialog, id))
        return;
    if (code != notification::kButtonClicked || changeFlag(dialog, id))
        return;
    switch (id) {
    case kVisible:
        changeVisibility(dialog);
        break;
    case kTraceColourButton:
    case kOrbitColourButton:
        chooseColour(dialog, id == kTraceColourButton);
        break;
    case kDone:
        dialog.end(kDoneResult);
        break;
    default:
        break;
    }
}

void DisplayDialog::closeRequested(dialogs::TemplateDialog&)
{
    // Only Done closes the display dialog.
}

void DisplayDialog::showColours(dialogs::TemplateDialog& dialog)
{
    ColourRef trace = 0;
    ColourRef orbit = 0;
    state().withSystem([&](PtolemyBody& system) {
        trace = system.GetTraceColour();
        orbit = system.GetOrbitColour();
    });
    dialog.setText(kTraceColourText, colourText(trace));
    dialog.setText(kOrbitColourText, colourText(orbit));
}

void DisplayDialog::fillChoice(
    dialogs::TemplateDialog& dialog, int id, const BodySettingEntry* entries, int count, std::int32_t current)
{
    std::vector<std::string> labels;
    int shownRow = 0;
    for (int row = 0; row < count; ++row) {
        labels.emplace_back(entries[row].label);
        if (entries[row].value == current && shownRow == 0)
            shownRow = row;
    }
    dialog.setComboItems(id, labels);
    dialog.selectComboRow(id, shownRow);
}

void DisplayDialog::fillPlanetChoice(dialogs::TemplateDialog& dialog)
{
    std::string current;
    state().withSystem([&current](PtolemyBody& system) { current = system.BitmapName(); });
    std::vector<std::string> names(std::begin(PtolemyBody::kBitmapNames), std::end(PtolemyBody::kBitmapNames));
    int shownRow = 0;
    for (int row = 0; row < static_cast<int>(names.size()); ++row) {
        if (names[row] == current) {
            shownRow = row;
            break;
        }
    }
    dialog.setComboItems(kPlanetSymbol, names);
    dialog.selectComboRow(kPlanetSymbol, shownRow);
}

bool DisplayDialog::changeFlag(dialogs::TemplateDialog& dialog, int id)
{
    for (const FlagBox& box : kFlagBoxes) {
        if (box.id != id)
            continue;
        const bool on = dialog.isChecked(id);
        state().withSystem([&box, on](PtolemyBody& system) { system.SetDisplayFlag(box.flag, on); });
        return true;
    }
    return false;
}

bool DisplayDialog::changeSetting(dialogs::TemplateDialog& dialog, int id)
{
    if (id == kPlanetSymbol) {
        const std::string name = dialog.text(kPlanetSymbol);
        state().withSystem([&name](PtolemyBody& system) { system.SetBitmap(name.c_str()); });
        return true;
    }
    std::optional<std::int32_t> value;
    void (PtolemyBody::*setter)(std::int32_t) = nullptr;
    if (id == kTrailLength) {
        value = chosenValue(dialog, id, PtolemyBody::kTrailLengths, std::size(PtolemyBody::kTrailLengths));
        setter = &PtolemyBody::SetTrailLength;
    } else if (id == kBlockSize) {
        value = chosenValue(dialog, id, PtolemyBody::kBandWidths, std::size(PtolemyBody::kBandWidths));
        setter = &PtolemyBody::SetBandWidth;
    } else if (id == kSpeed) {
        value = chosenValue(dialog, id, PtolemyBody::kAnimationSpeeds, std::size(PtolemyBody::kAnimationSpeeds));
        setter = &PtolemyBody::SetAnimationSpeed;
    } else if (id == kMarkerEvery) {
        value = chosenValue(dialog, id, PtolemyBody::kDotIntervals, std::size(PtolemyBody::kDotIntervals));
        setter = &PtolemyBody::SetDotInterval;
    } else {
        return false;
    }
    if (value)
        state().withSystem([setter, value](PtolemyBody& system) { (system.*setter)(*value); });
    return true;
}

void DisplayDialog::chooseColour(dialogs::TemplateDialog& dialog, bool trace)
{
    ColourRef current = 0;
    state().withSystem(
        [&](PtolemyBody& system) { current = trace ? system.GetTraceColour() : system.GetOrbitColour(); });
    // The colour dialog runs with no lock held.
    const std::optional<ColourRef> chosen = ColourChoice::choose(&dialog, current);
    if (!chosen)
        return;
    state().withSystem([&](PtolemyBody& system) {
        if (trace)
            system.SetTraceColour(*chosen);
        else
            system.SetOrbitColour(*chosen);
    });
    showColours(dialog);
}

void DisplayDialog::changeVisibility(dialogs::TemplateDialog& dialog)
{
    const bool visible = dialog.isChecked(kVisible);
    state().withSystem([visible](PtolemyBody& system) { system.SetVisible(visible); });
    if (state().systemsDialog)
        SystemsDialog::refill(*state().systemsDialog);
}

} // namespace ptolemy_dialogs
