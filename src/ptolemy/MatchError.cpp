#include "ptolemy/MatchError.h"

#include <QCoreApplication>
#include <QString>

#include <cmath>

namespace {

constexpr int kDecimals = 2;
constexpr char16_t kMinusSign = u'\u2212';

QString degrees(double value) { return QString::number(value, 'f', kDecimals); }

// The sign always, taken from the value as shown: an error shown as 0.00 has none to show.
QString signedDegrees(double value)
{
    const QString magnitude = degrees(std::fabs(value));
    const bool negative = value < 0 && magnitude != degrees(0);
    return (negative ? QString(QChar(kMinusSign)) : QStringLiteral("+")) + magnitude;
}

} // namespace

std::string MatchError::text() const
{
    const QString shownName = QString::fromStdString(name);
    if (count == 0)
        return QCoreApplication::translate("MatchError", "%1: no observation yet").arg(shownName).toStdString();
    if (!nowDegrees)
        return QCoreApplication::translate("MatchError", "%1: past the observations, RMS %2°")
            .arg(shownName, degrees(rmsDegrees))
            .toStdString();
    return QCoreApplication::translate("MatchError", "%1: model − observed %2°, RMS %3°")
        .arg(shownName, signedDegrees(*nowDegrees), degrees(rmsDegrees))
        .toStdString();
}
