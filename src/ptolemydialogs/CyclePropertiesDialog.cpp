#include "ptolemydialogs/CyclePropertiesDialog.h"

#include "dialogs/Notification.h"
#include "dialogs/TemplateDialog.h"
#include "platform/Message.h"
#include "platform/Release.h"
#include "platform/Text.h"
#include "ptolemy/PtolemyOrbit.h"
#include "ptolemydialogs/EditingState.h"
#include "xml/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
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
    // The fields are read as the platform's 32-character buffers hold them.
    constexpr std::size_t kMaxFieldLength = 31;
    constexpr double kSmallestRadius = 0.0001;
    // The largest magnitudes taken: beyond them the model's arithmetic (a radius squared, an
    // angle's sine) would overflow or lose every digit.
    constexpr double kLargestLength = 1e6;
    constexpr double kLargestOmega = 1e4;
    constexpr double kLargestPhi = 1e4;

    struct NumberField {
        int id;
        const char* name;
        double largest;
    };

    constexpr NumberField kRadiusField { kRadius, QT_TRANSLATE_NOOP("CyclePropertiesDialog", "Radius"),
        kLargestLength };
    constexpr NumberField kOmegaField { kOmega, QT_TRANSLATE_NOOP("CyclePropertiesDialog", "Omega"), kLargestOmega };
    constexpr NumberField kPhiField { kPhi, QT_TRANSLATE_NOOP("CyclePropertiesDialog", "Phi"), kLargestPhi };
    constexpr NumberField kEccentricFields[]
        = { { kEccentricX, QT_TRANSLATE_NOOP("CyclePropertiesDialog", "Eccentric X"), kLargestLength },
              { kEccentricY, QT_TRANSLATE_NOOP("CyclePropertiesDialog", "Eccentric Y"), kLargestLength } };
    constexpr NumberField kEquantFields[]
        = { { kEquantX, QT_TRANSLATE_NOOP("CyclePropertiesDialog", "Equant X"), kLargestLength },
              { kEquantY, QT_TRANSLATE_NOOP("CyclePropertiesDialog", "Equant Y"), kLargestLength } };

    // Numbers are shown with '.' whatever the locale, as they are read back.
    std::string shown(const char* format, double value) { return platform::formatFileText(format, value); }

    bool refuse(const std::string& text)
    {
        platform::showMessage(text, "Bad Parameter", platform::MessageIcon::Error);
        return false;
    }

    std::string translated(const char* text)
    {
        return QCoreApplication::translate("CyclePropertiesDialog", text).toStdString();
    }

    // A field's number; a decimal comma counts as the point when the text holds no '.'.
    std::optional<double> readNumber(const dialogs::TemplateDialog& dialog, int id)
    {
        std::string text = platform::cutText(dialog.text(id), kMaxFieldLength);
        if (text.find('.') == std::string::npos)
            std::replace(text.begin(), text.end(), ',', '.');
        return xmltext::toDoubleWhole(text);
    }

    // Shows the refusal of a field that holds no number, or one beyond the field's bounds.
    std::optional<double> checkedNumber(const dialogs::TemplateDialog& dialog, const NumberField& field)
    {
        const std::optional<double> value = readNumber(dialog, field.id);
        const std::string name = translated(field.name);
        if (!value) {
            refuse(QCoreApplication::translate("CyclePropertiesDialog", "%1 must be a number")
                       .arg(QString::fromStdString(name))
                       .toStdString());
            return std::nullopt;
        }
        if (!(std::fabs(*value) <= field.largest)) {
            refuse(QCoreApplication::translate("CyclePropertiesDialog", "%1 must lie between -%2 and %2")
                       .arg(QString::fromStdString(name))
                       .arg(field.largest, 0, 'f', 0)
                       .toStdString());
            return std::nullopt;
        }
        return value;
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
    explainFields(dialog);
}

// The fields' units as the model uses them, as tooltips: the template's own words stay.
void CyclePropertiesDialog::explainFields(dialogs::TemplateDialog& dialog)
{
    const std::pair<int, const char*> tips[] = {
        { kRadius, QT_TRANSLATE_NOOP("CyclePropertiesDialog", "The circle's radius in the model's units") },
        { kOmega,
            QT_TRANSLATE_NOOP(
                "CyclePropertiesDialog", "Turns per year of model time; a negative number turns the other way") },
        { kPhi, QT_TRANSLATE_NOOP("CyclePropertiesDialog", "The angle at time 0, in radians (0 to 2pi)") },
        { kEquantX, QT_TRANSLATE_NOOP("CyclePropertiesDialog", "The equant's place, in the model's units") },
        { kEquantY, QT_TRANSLATE_NOOP("CyclePropertiesDialog", "The equant's place, in the model's units") },
        { kEccentricX,
            QT_TRANSLATE_NOOP(
                "CyclePropertiesDialog", "The circle's centre moved by this much, in the model's units") },
        { kEccentricY,
            QT_TRANSLATE_NOOP(
                "CyclePropertiesDialog", "The circle's centre moved by this much, in the model's units") },
    };
    for (const auto& [id, tip] : tips)
        if (QWidget* const field = dialog.control(id))
            field->setToolTip(QCoreApplication::translate("CyclePropertiesDialog", tip));
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

// The checks in order: the radius, the rate and phase, then each point's coordinates with
// the point inside the circle; the first refusal is shown.
std::optional<CyclePropertiesDialog::Numbers> CyclePropertiesDialog::readNumbers(const dialogs::TemplateDialog& dialog)
{
    Numbers numbers;
    const std::optional<double> radius = readNumber(dialog, kRadius);
    if (!radius || !(*radius > kSmallestRadius)) {
        refuse("Orbit radius must be a positive number");
        return std::nullopt;
    }
    const auto read = [&dialog](const NumberField& field, double& into) {
        const std::optional<double> value = checkedNumber(dialog, field);
        into = value.value_or(0.0);
        return value.has_value();
    };
    if (!read(kRadiusField, numbers.r) || !read(kOmegaField, numbers.om) || !read(kPhiField, numbers.phi))
        return std::nullopt;
    // Both points are checked whether or not their boxes are ticked: the model keeps
    // the coordinates and uses them once a box is ticked.
    if (!read(kEccentricFields[0], numbers.eccx) || !read(kEccentricFields[1], numbers.eccy))
        return std::nullopt;
    if (!(std::hypot(numbers.eccx, numbers.eccy) < numbers.r)) {
        refuse("Eccentric outside orb radius");
        return std::nullopt;
    }
    if (!read(kEquantFields[0], numbers.eqx) || !read(kEquantFields[1], numbers.eqy))
        return std::nullopt;
    if (!(std::hypot(numbers.eqx, numbers.eqy) < numbers.r)) {
        refuse("Equant outside orb radius");
        return std::nullopt;
    }
    return numbers;
}

void CyclePropertiesDialog::store(const dialogs::TemplateDialog& dialog, const Numbers& numbers, PtolemyOrbit& cycle)
{
    std::string name = platform::cutText(dialog.text(kName), kMaxFieldLength);
    // A double quote would end the name's attribute in a universe file.
    std::replace(name.begin(), name.end(), '"', '\'');
    cycle.SetName(name.c_str());
    cycle.phi = numbers.phi;
    cycle.om = numbers.om;
    cycle.r = numbers.r;
    cycle.eccx = numbers.eccx;
    cycle.eccy = numbers.eccy;
    cycle.eqx = numbers.eqx;
    cycle.eqy = numbers.eqy;
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
    const std::optional<Numbers> numbers = readNumbers(dialog);
    if (!numbers)
        return false;
    PtolemyOrbit* cycle = editedCycle();
    if (!cycle)
        return true;
    store(dialog, *numbers, *cycle);
    EditingState::instance().applyWorkingChain();
    return true;
}

} // namespace ptolemy_dialogs
