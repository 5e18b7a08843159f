#pragma once
// One number of the live cycles panel: its name, a slider and a number box, which show
// the same value. Moving the slider (a drag, the arrow keys) enters each value it passes;
// a number typed into the box is entered with Enter or when the box loses focus. Showing
// a value never touches a slider the user is dragging nor a box whose text the user has
// typed and not yet entered, so a refresh never fights the user.
//
// Slider steps: 0.1 of radius, 0.001 of omega and phi, 0.01 of an eccentric's or an
// equant's coordinate. Its range is fitted to the cycle: the radius up to 100 or twice the
// value, omega within 2 or twice the value either way, phi 0 to 2pi, a point within the
// circle; it widens to show a value beyond it.
//
// Threading: window thread only.
#include "ptolemydialogs/CycleNumbers.h"

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QSlider;
class QString;
class QWidget;

class LiveCycleField {
public:
    using Field = ptolemy_dialogs::CycleNumbers::Field;
    // Called with the value entered (nothing: a typed text that holds no number).
    using Entered = std::function<void(Field field, const std::optional<double>& value)>;

    // The widgets are children of `parent`; `released` is called when a drag of the slider ends.
    LiveCycleField(Field field, QWidget* parent, Entered entered, std::function<void()> released);

    Field field() const { return field_; }
    QLabel* label() const { return label_; }
    QSlider* slider() const { return slider_; }
    QLineEdit* box() const { return box_; }

    // Shows `value` where the user is not at work.
    void showValue(double value);
    // Fits the slider's range to `value` in a cycle of `radius` (left alone during a drag).
    void fitRange(double value, double radius);
    // The box's entry was taken: the next refresh shows the cycle's value in it.
    void accept();
    // Types `text` into the box and enters it, as a person would.
    void enterText(const QString& text);
    void setEnabled(bool enabled);
    // The value shown as the box shows it.
    static QString shown(double value);

private:
    int unitsPerValue() const;
    void sliderMoved(int position);
    void boxEdited();

    Field field_;
    Entered entered_;
    QLabel* label_;
    QSlider* slider_;
    QLineEdit* box_;
    double radius_ = 0;
};
