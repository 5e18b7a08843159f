#include "ptolemydialogs/CyclePropertiesDialog.h"

#include "dialogs/Notification.h"
#include "dialogs/TemplateDialog.h"
#include "platform/Message.h"
#include "platform/Release.h"
#include "platform/Text.h"
#include "ptolemy/PtolemyOrbit.h"
#include "ptolemydialogs/EditingState.h"
#include "xml/NumberText.h"

#include <algorithm>
#include <cmath>
#include <memory>
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
// The fields are read as the platform's 32-character buffers hold them.
constexpr std::size_t kMaxFieldLength = 31;
constexpr double kSmallestRadius = 0.0001;

// Numbers are shown with '.' whatever the locale, as they are read back.
std::string shown(const char* format, double value)
{
    return platform::formatFileText(format, value);
}

bool refuse(const char* text)
{
    platform::showMessage(text, "Bad Parameter", platform::MessageIcon::Error);
    return false;
}

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

void CyclePropertiesDialog::closeRequested(dialogs::TemplateDialog& dialog)
{
    dialog.end(kCancelResult);
}

PtolemyOrbit* CyclePropertiesDialog::editedCycle()
{
    PtolemyOrbit* cycle = EditingState::instance().workingChain.get();
    for (int k = 0; k < EditingState::instance().cycleIndex && cycle; ++k)
        cycle = cycle->next.get();
    return cycle;
}

double CyclePropertiesDialog::field(const dialogs::TemplateDialog& dialog, int id)
{
    return xmltext::toDouble(platform::cutText(dialog.text(id), kMaxFieldLength));
}

bool CyclePropertiesDialog::validate(const dialogs::TemplateDialog& dialog)
{
    const double radius = field(dialog, kRadius);
    if (!(radius > kSmallestRadius))
        return refuse("Orbit radius must be a positive number");
    // Both points are checked whether or not their boxes are ticked: the model keeps
    // the coordinates and uses them once a box is ticked.
    if (!(std::hypot(field(dialog, kEccentricX), field(dialog, kEccentricY)) < radius))
        return refuse("Eccentric outside orb radius");
    if (!(std::hypot(field(dialog, kEquantX), field(dialog, kEquantY)) < radius))
        return refuse("Equant outside orb radius");
    return true;
}

void CyclePropertiesDialog::store(const dialogs::TemplateDialog& dialog, PtolemyOrbit& cycle)
{
    std::string name = platform::cutText(dialog.text(kName), kMaxFieldLength);
    // A double quote would end the name's attribute in a universe file.
    std::replace(name.begin(), name.end(), '"', '\'');
    cycle.SetName(name.c_str());
    cycle.phi = field(dialog, kPhi);
    cycle.om = field(dialog, kOmega);
    cycle.r = field(dialog, kRadius);
    cycle.eccx = field(dialog, kEccentricX);
    cycle.eccy = field(dialog, kEccentricY);
    cycle.eqx = field(dialog, kEquantX);
    cycle.eqy = field(dialog, kEquantY);
    cycle.hasEquant = dialog.isChecked(kHasEquant);
    cycle.hasEccentric = dialog.isChecked(kHasEccentric);
    // A copy of a cycle (and a universe file) knows an equant or eccentric only by its
    // coordinates: an unticked box clears them, so that the choice survives the copy the
    // system keeps and a save. A ticked box with zero coordinates therefore changes nothing.
    if (!cycle.hasEquant)
        cycle.eqx = cycle.eqy = 0;
    if (!cycle.hasEccentric)
        cycle.eccx = cycle.eccy = 0;
}

bool CyclePropertiesDialog::apply(const dialogs::TemplateDialog& dialog)
{
    if (!validate(dialog))
        return false;
    PtolemyOrbit* cycle = editedCycle();
    if (!cycle)
        return true;
    store(dialog, *cycle);
    EditingState::instance().applyWorkingChain();
    return true;
}

} // namespace ptolemy_dialogs
