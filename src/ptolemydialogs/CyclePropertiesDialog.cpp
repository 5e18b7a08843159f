#include "ptolemydialogs/CyclePropertiesDialog.h"

#include "dialogs/Notification.h"
#include "dialogs/TemplateDialog.h"
#include "platform/Message.h"
#include "platform/Release.h"
#include "platform/Text.h"
#include "ptolemy/PtolemyOrbit.h"
#include "ptolemydialogs/CycleNumbersCheck.h"
#include "ptolemydialogs/EditingState.h"

#include <QWidget>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

namespace ptolemy_dialogs {

namespace {

    namespace notification = dialogs::notification;

    constexpr int kOk = 1;
    constexpr int kCancel = 2;
    constexpr int kHasEccentric = 1001;
    constexpr int kName = 1005;
    constexpr int kRadius = 1006;
    constexpr int kPhi = 1007;
    constexpr int kOmega = 1018;
    constexpr int kHasEquant = 1019;
    constexpr int kEquantX = 1021;
    constexpr int kEccentricX = 1022;
    constexpr int kEquantY = 1023;
    constexpr int kEccentricY = 1024;
    constexpr int kApply = 1025;

    constexpr int kOkResult = 2;
    constexpr int kCancelResult = 1;
    // The name is read as the platform's 32-character buffer holds it.
    constexpr std::size_t kMaxNameLength = 31;

    // The fields of the cycle's numbers, in CycleNumbers' order.
    constexpr int kNumberFields[CycleNumbers::kFieldCount]
        = { kRadius, kOmega, kPhi, kEccentricX, kEccentricY, kEquantX, kEquantY };

    // Numbers are shown with '.' whatever the locale, as they are read back.
    std::string shown(const char* format, double value) { return platform::formatFileText(format, value); }

} // namespace

void CyclePropertiesDialog::init(dialogs::TemplateDialog& dialog, QWidget*)
{
    const PtolemyOrbit* cycle = editedCycle();
    if (!cycle) {
        dialog.end(kCancelResult);
        return;
    }
    if (platform::isEarlierRelease())
        dialog.setWindowTitle(QStringLiteral("Orb Properties"));
    dialog.setText(kName, cycle->Name());
    dialog.setText(kRadius, shown("%.1lf", cycle->r));
    dialog.setText(kOmega, shown("%.3lf", cycle->om));
    dialog.setText(kPhi, shown("%.4lf", cycle->phi));
    dialog.setText(kEquantX, shown("%.2lf", cycle->eqx));
    dialog.setText(kEquantY, shown("%.2lf", cycle->eqy));
    dialog.setText(kEccentricX, shown("%.2lf", cycle->eccx));
    dialog.setText(kEccentricY, shown("%.2lf", cycle->eccy));
    dialog.setChecked(kHasEquant, cycle->hasEquant);
    dialog.setChecked(kHasEccentric, cycle->hasEccentric);
    explainFields(dialog);
}

// The fields' units as the model uses them, as tooltips: the template's own words stay.
void CyclePropertiesDialog::explainFields(dialogs::TemplateDialog& dialog)
{
    for (std::size_t index = 0; index < CycleNumbers::kFieldCount; ++index)
        if (QWidget* const field = dialog.control(kNumberFields[index]))
            field->setToolTip(CycleNumbersCheck::fieldExplanation(CycleNumbers::fieldAt(index)));
}

void CyclePropertiesDialog::command(dialogs::TemplateDialog& dialog, int id, int code)
{
    if (code != notification::kButtonClicked)
        return;
    if (id == kOk && apply(dialog))
        dialog.end(kOkResult);
    else if (id == kApply)
        apply(dialog);
    else if (id == kCancel)
        dialog.end(kCancelResult);
}

void CyclePropertiesDialog::closeRequested(dialogs::TemplateDialog& dialog) { dialog.end(kCancelResult); }

PtolemyOrbit* CyclePropertiesDialog::editedCycle()
{
    PtolemyOrbit* cycle = EditingState::instance().workingChain.get();
    for (int k = 0; k < EditingState::instance().cycleIndex && cycle; ++k)
        cycle = cycle->next.get();
    return cycle;
}

std::optional<CycleNumbers> CyclePropertiesDialog::readNumbers(const dialogs::TemplateDialog& dialog)
{
    CycleNumbersCheck::Readings readings;
    for (std::size_t index = 0; index < readings.size(); ++index)
        readings[index] = CycleNumbersCheck::readNumber(dialog.text(kNumberFields[index]));
    CycleNumbersCheck::Outcome outcome = CycleNumbersCheck::check(readings);
    if (!outcome.numbers)
        platform::showMessage(outcome.refusal, "Bad Parameter", platform::MessageIcon::Error);
    return outcome.numbers;
}

void CyclePropertiesDialog::store(
    const dialogs::TemplateDialog& dialog, const CycleNumbers& numbers, PtolemyOrbit& cycle)
{
    std::string name = platform::cutText(dialog.text(kName), kMaxNameLength);
    // A double quote would end the name's attribute in a universe file.
    std::replace(name.begin(), name.end(), '"', '\'');
    cycle.SetName(name.c_str());
    numbers.storeInto(cycle, dialog.isChecked(kHasEccentric), dialog.isChecked(kHasEquant));
}

bool CyclePropertiesDialog::apply(const dialogs::TemplateDialog& dialog)
{
    const std::optional<CycleNumbers> numbers = readNumbers(dialog);
    if (!numbers)
        return false;
    PtolemyOrbit* cycle = editedCycle();
    if (!cycle)
        return true;
    store(dialog, *numbers, *cycle);
    EditingState::instance().applyWorkingChain();
    EditingState::instance().steps.mark(EditingSteps::Step::CycleProperties);
    return true;
}

} // namespace ptolemy_dialogs
