#pragma once
// The live cycles panel: the cycles of a Ptolemy universe on screen, changed while it
// runs. A choice of the universes on screen (the one the user last clicked or focused is
// taken), its systems and the chosen system's cycles in file order (the deferent first),
// and for the chosen cycle a slider and a number box for each of its seven numbers, with
// the eccentric's and the equant's boxes (a point's coordinates are enabled while its box
// is ticked). Every change is applied at once through CycleChange, with the cycle
// properties' checks and locks; a refused one changes nothing and its text shows in the
// panel's message line, which screen readers read as well. Each change is a step to undo
// (UserChanges); the values one drag of a slider enters make one step.
//
// The panel holds no pointer to a universe: it keeps the chosen collection's index and the
// display manager's commit count, and looks the universe up each time, so a layout load
// that destroys the universe leaves nothing dangling. While it is shown, a timer compares
// a snapshot of the universe with the one shown and brings the panel up to date only when
// they differ (an editing dialog, Load, Random), never touching what the user is dragging
// or typing.
//
// Threading: window thread only; it takes the universe's locks only inside its calls.
// See docs/threads.md.
#include "host/LiveCycleField.h"
#include "host/ScreenUniverses.h"
#include "ptolemydialogs/CycleChange.h"
#include "ptolemydialogs/UniverseSnapshot.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class LayoutHost;
class PtolemyUniverse;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;

class LiveCyclesPanel : public QWidget {
    Q_OBJECT
public:
    using Field = ptolemy_dialogs::CycleNumbers::Field;
    using Point = ptolemy_dialogs::CycleChange::Point;
    using CycleChange = ptolemy_dialogs::CycleChange;

    static constexpr int kRefreshMilliseconds = 250;

    // Shows the universes of `host`'s layout; watches the whole application for the
    // universe the user works with.
    explicit LiveCyclesPanel(LayoutHost& host, QWidget* parent = nullptr);
    ~LiveCyclesPanel() override;

    // Brings the panel up to date with the layout and the chosen universe now.
    void refresh();

    // Puts the keyboard focus on the panel's first control.
    void focusFirstControl();

    // What a person does, for scripts and tests. Each is false when there is no such row.
    int universeCount() const;
    bool chooseUniverse(int row);
    int systemCount() const;
    bool chooseSystem(int row);
    int cycleCount() const;
    bool chooseCycle(int row);
    // Types `text` into the field's box and presses Enter: false when refused (the message
    // then tells why) or when the field is disabled.
    bool enterNumber(Field field, const QString& text);
    // Ticks or unticks a point's box.
    void setPointShown(Point point, bool shown);
    bool isPointShown(Point point) const;

    // The chosen universe, looked up now (null: none on screen).
    PtolemyUniverse* universe() const;
    QString numberText(Field field) const;
    // The refusal shown (empty when the last change was applied).
    QString message() const;
    LiveCycleField& field(Field field) { return *fields_[static_cast<std::size_t>(field)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void createControls();
    QCheckBox* createPointBox(const QString& label, Point point);
    // Lists the universes again when another layout may be on screen.
    void followLayout();
    void listUniverses();
    // Chooses the universe whose window `widget` is (or is inside), if it is listed.
    void noteUse(QWidget* widget);
    PtolemyUniverse* universeAt(int collection) const;
    // Shows `snapshot`: a list is refilled only where its names changed, a value only
    // where the user is not at work. `fitRanges`: the sliders' ranges follow the values.
    void show(const ptolemy_dialogs::UniverseSnapshot& snapshot, bool fitRanges);
    // Each true when its list was refilled.
    bool showSystems();
    bool showCycles();
    void showCycle(bool fitRanges);
    // Ticks `box` as the cycle has its point (disabled without a cycle).
    void showPointBox(QCheckBox* box, std::optional<bool> hasPoint, Point point);
    void systemChosen();
    void cycleChosen();
    void numberEntered(Field field, const std::optional<double>& value);
    void pointToggled(Point point, bool shown);
    // Makes `change` to the chosen universe as one step to undo ("Cycle Change"); the
    // values a drag of `field`'s slider enters make one step together. Its refusal, or
    // nothing once applied (also without a universe or a cycle, when nothing is done).
    std::optional<std::string> changeAsStep(
        const std::function<std::optional<std::string>(CycleChange&)>& change, std::optional<Field> field = {});
    // Shows the outcome of a change (its refusal, or nothing once applied) and the cycle
    // as the model now holds it.
    void showOutcome(const std::optional<std::string>& refusal);
    void showMessage(const QString& text);
    // After a drag: the values the cycle holds, also where the slider stopped on a refused one.
    void showSliderValues();
    const ptolemy_dialogs::UniverseSnapshot::Cycle* chosenCycle() const;

    // The host goes before the panel when the main window closes.
    QPointer<LayoutHost> host_;
    QComboBox* universes_ = nullptr;
    QListWidget* systems_ = nullptr;
    QListWidget* cycles_ = nullptr;
    std::vector<std::unique_ptr<LiveCycleField>> fields_;
    QCheckBox* eccentric_ = nullptr;
    QCheckBox* equant_ = nullptr;
    QLabel* message_ = nullptr;
    QTimer refreshTimer_;
    // The collection indexes of the universes listed, in the order of the choice.
    std::vector<int> universeCollections_;
    std::optional<ScreenUniverses::Count> layoutListed_;
    bool universesListed_ = false;
    // The choice's row whose universe is shown.
    std::optional<int> shownUniverse_;
    ptolemy_dialogs::UniverseSnapshot shown_;
    int drags_ = 0; // slider drags ended, which tells one drag's step from the next
};
