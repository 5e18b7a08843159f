#include "host/LiveCycleField.h"

#include "ptolemydialogs/CycleNumbersCheck.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

using ptolemy_dialogs::CycleNumbersCheck;

constexpr int kShownDigits = 10;
constexpr double kRadiusSpan = 100;
constexpr double kOmegaSpan = 2;
constexpr int kBoxCharacters = 11;

} // namespace

LiveCycleField::LiveCycleField(Field field, QWidget* parent, Entered entered, std::function<void()> released)
    : field_(field)
    , entered_(std::move(entered))
    , label_(new QLabel(CycleNumbersCheck::fieldName(field), parent))
    , slider_(new QSlider(Qt::Horizontal, parent))
    , box_(new QLineEdit(parent))
{
    const QString name = CycleNumbersCheck::fieldName(field);
    const QString explanation = CycleNumbersCheck::fieldExplanation(field);
    label_->setBuddy(box_);
    slider_->setAccessibleName(QCoreApplication::translate("LiveCyclesPanel", "%1 slider").arg(name));
    slider_->setAccessibleDescription(explanation);
    slider_->setToolTip(explanation);
    slider_->setFocusPolicy(Qt::StrongFocus);
    box_->setAccessibleName(QCoreApplication::translate("LiveCyclesPanel", "%1 number").arg(name));
    box_->setAccessibleDescription(explanation);
    box_->setToolTip(explanation);
    box_->setMaximumWidth(box_->fontMetrics().horizontalAdvance(QString(kBoxCharacters, QLatin1Char('0'))));
    QObject::connect(slider_, &QSlider::valueChanged, slider_, [this](int position) { sliderMoved(position); });
    QObject::connect(slider_, &QSlider::sliderReleased, slider_, std::move(released));
    QObject::connect(box_, &QLineEdit::editingFinished, box_, [this] { boxEdited(); });
}

int LiveCycleField::unitsPerValue() const
{
    switch (field_) {
    case Field::Radius:
        return 10;
    case Field::Omega:
    case Field::Phi:
        return 1000;
    default:
        return 100;
    }
}

QString LiveCycleField::shown(double value) { return QString::number(value, 'g', kShownDigits); }

void LiveCycleField::showValue(double value)
{
    if (!(box_->hasFocus() && box_->isModified())) {
        box_->setText(shown(value));
        box_->setModified(false);
    }
    if (slider_->isSliderDown())
        return;
    const double position = std::round(value * unitsPerValue());
    if (position < slider_->minimum() || position > slider_->maximum())
        fitRange(value, radius_);
    const QSignalBlocker quiet(slider_);
    slider_->setValue(static_cast<int>(position));
}

void LiveCycleField::fitRange(double value, double radius)
{
    radius_ = radius;
    if (slider_->isSliderDown())
        return;
    double lowest = 0;
    double highest = 0;
    switch (field_) {
    case Field::Radius:
        lowest = 1.0 / unitsPerValue();
        highest = std::max(kRadiusSpan, 2 * value);
        break;
    case Field::Omega:
        highest = std::max(kOmegaSpan, 2 * std::fabs(value));
        lowest = -highest;
        break;
    case Field::Phi:
        lowest = std::min(0.0, value);
        highest = std::max(2 * std::numbers::pi, value);
        break;
    default:
        highest = std::max(radius, std::fabs(value));
        lowest = -highest;
        break;
    }
    const QSignalBlocker quiet(slider_);
    slider_->setRange(
        static_cast<int>(std::floor(lowest * unitsPerValue())), static_cast<int>(std::ceil(highest * unitsPerValue())));
    slider_->setPageStep(std::max(1, (slider_->maximum() - slider_->minimum()) / 20));
}

void LiveCycleField::accept() { box_->setModified(false); }

void LiveCycleField::enterText(const QString& text)
{
    box_->setText(text);
    box_->setModified(true);
    boxEdited();
}

void LiveCycleField::setEnabled(bool enabled)
{
    label_->setEnabled(enabled);
    slider_->setEnabled(enabled);
    box_->setEnabled(enabled);
}

void LiveCycleField::sliderMoved(int position) { entered_(field_, static_cast<double>(position) / unitsPerValue()); }

void LiveCycleField::boxEdited()
{
    if (!box_->isModified())
        return;
    entered_(field_, CycleNumbersCheck::readNumber(box_->text().toStdString()));
}
