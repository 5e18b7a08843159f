#include "ptolemydialogs/CycleNumbersCheck.h"

#include "platform/Text.h"
#include "xml/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace ptolemy_dialogs {

namespace {

    using Field = CycleNumbers::Field;

    // The fields are read as the platform's 32-character buffers hold them.
    constexpr std::size_t kMaxFieldLength = 31;
    constexpr double kSmallestRadius = 0.0001;
    // The largest magnitudes taken: beyond them the model's arithmetic (a radius squared, an
    // angle's sine) would overflow or lose every digit.
    constexpr double kLargestLength = 1e6;
    constexpr double kLargestOmega = 1e4;
    constexpr double kLargestPhi = 1e4;

    struct FieldBounds {
        const char* name;
        double largest;
        const char* explanation;
    };

    constexpr const char* kPlaceExplanation
        = QT_TRANSLATE_NOOP("CyclePropertiesDialog", "The equant's place, in the model's units");
    constexpr const char* kCentreExplanation
        = QT_TRANSLATE_NOOP("CyclePropertiesDialog", "The circle's centre moved by this much, in the model's units");

    constexpr FieldBounds kFields[CycleNumbers::kFieldCount] = {
        { QT_TRANSLATE_NOOP("CyclePropertiesDialog", "Radius"), kLargestLength,
            QT_TRANSLATE_NOOP("CyclePropertiesDialog", "The circle's radius in the model's units") },
        { QT_TRANSLATE_NOOP("CyclePropertiesDialog", "Omega"), kLargestOmega,
            QT_TRANSLATE_NOOP(
                "CyclePropertiesDialog", "Turns per year of model time; a negative number turns the other way") },
        { QT_TRANSLATE_NOOP("CyclePropertiesDialog", "Phi"), kLargestPhi,
            QT_TRANSLATE_NOOP("CyclePropertiesDialog", "The angle at time 0, in radians (0 to 2pi)") },
        { QT_TRANSLATE_NOOP("CyclePropertiesDialog", "Eccentric X"), kLargestLength, kCentreExplanation },
        { QT_TRANSLATE_NOOP("CyclePropertiesDialog", "Eccentric Y"), kLargestLength, kCentreExplanation },
        { QT_TRANSLATE_NOOP("CyclePropertiesDialog", "Equant X"), kLargestLength, kPlaceExplanation },
        { QT_TRANSLATE_NOOP("CyclePropertiesDialog", "Equant Y"), kLargestLength, kPlaceExplanation },
    };

    const FieldBounds& boundsOf(Field field) { return kFields[static_cast<std::size_t>(field)]; }

} // namespace

std::optional<double> CycleNumbersCheck::readNumber(const std::string& text)
{
    std::string cut = platform::cutText(text, kMaxFieldLength);
    if (cut.find('.') == std::string::npos)
        std::replace(cut.begin(), cut.end(), ',', '.');
    return xmltext::toDoubleWhole(cut);
}

CycleNumbersCheck::Readings CycleNumbersCheck::readingsOf(const CycleNumbers& numbers)
{
    Readings readings;
    for (std::size_t index = 0; index < readings.size(); ++index)
        readings[index] = numbers[CycleNumbers::fieldAt(index)];
    return readings;
}

QString CycleNumbersCheck::fieldName(Field field)
{
    return QCoreApplication::translate("CyclePropertiesDialog", boundsOf(field).name);
}

QString CycleNumbersCheck::fieldExplanation(Field field)
{
    return QCoreApplication::translate("CyclePropertiesDialog", boundsOf(field).explanation);
}

// The radius first, then each field in order, each point's check once both its
// coordinates are read. Both points are checked whether or not their boxes are ticked:
// the model keeps the coordinates and uses them once a box is ticked.
CycleNumbersCheck::Outcome CycleNumbersCheck::check(const Readings& readings)
{
    const std::optional<double>& radius = readings[static_cast<std::size_t>(Field::Radius)];
    if (!radius || !(*radius > kSmallestRadius))
        return { std::nullopt, "Orbit radius must be a positive number" };
    CycleNumbers numbers;
    for (std::size_t index = 0; index < readings.size(); ++index) {
        const Field field = CycleNumbers::fieldAt(index);
        std::optional<std::string> refusal = refusalOf(field, readings[index]);
        if (!refusal) {
            numbers[field] = *readings[index];
            refusal = pointRefusalAfter(field, numbers);
        }
        if (refusal)
            return { std::nullopt, *refusal };
    }
    return { numbers, {} };
}

std::optional<std::string> CycleNumbersCheck::refusalOf(Field field, const std::optional<double>& reading)
{
    const QString name = fieldName(field);
    if (!reading)
        return QCoreApplication::translate("CyclePropertiesDialog", "%1 must be a number").arg(name).toStdString();
    const double largest = boundsOf(field).largest;
    if (!(std::fabs(*reading) <= largest))
        return QCoreApplication::translate("CyclePropertiesDialog", "%1 must lie between -%2 and %2")
            .arg(name)
            .arg(largest, 0, 'f', 0)
            .toStdString();
    return std::nullopt;
}

std::optional<std::string> CycleNumbersCheck::pointRefusalAfter(Field field, const CycleNumbers& numbers)
{
    const auto outside
        = [&numbers](Field x, Field y) { return !(std::hypot(numbers[x], numbers[y]) < numbers[Field::Radius]); };
    if (field == Field::EccentricY && outside(Field::EccentricX, Field::EccentricY))
        return std::string("Eccentric outside orb radius");
    if (field == Field::EquantY && outside(Field::EquantX, Field::EquantY))
        return std::string("Equant outside orb radius");
    return std::nullopt;
}

} // namespace ptolemy_dialogs
