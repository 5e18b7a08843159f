#include "host/LiveCyclesPanel.h"

#include "display/DisplayManager.h"
#include "host/LayoutHost.h"
#include "ptolemy/PtolemyUniverse.h"
#include "ptolemy/UserChanges.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

using ptolemy_dialogs::CycleChange;
using ptolemy_dialogs::CycleNumbers;
using ptolemy_dialogs::UniverseSnapshot;

namespace {

constexpr int kListRowsShown = 4;

// Refills `list` with `texts` unless it shows them already, keeping the current row where
// it still exists; true when refilled.
bool fillList(QListWidget* list, const QStringList& texts)
{
    QStringList shown;
    for (int row = 0; row < list->count(); ++row)
        shown.append(list->item(row)->text());
    if (shown == texts)
        return false;
    const QSignalBlocker quiet(list);
    const int row = list->currentRow();
    list->clear();
    list->addItems(texts);
    if (!texts.isEmpty())
        list->setCurrentRow(std::clamp(row, 0, static_cast<int>(texts.size()) - 1));
    return true;
}

// A list a few rows high, so that the panel fits a small screen.
void keepShort(QListWidget* list)
{
    list->setMaximumHeight(list->fontMetrics().lineSpacing() * kListRowsShown + 2 * list->frameWidth() + 4);
}

bool isCoordinateOf(CycleChange::Point point, CycleNumbers::Field field)
{
    if (point == CycleChange::Point::Eccentric)
        return field == CycleNumbers::Field::EccentricX || field == CycleNumbers::Field::EccentricY;
    return field == CycleNumbers::Field::EquantX || field == CycleNumbers::Field::EquantY;
}

} // namespace

LiveCyclesPanel::LiveCyclesPanel(LayoutHost& host, QWidget* parent)
    : QWidget(parent)
    , host_(&host)
{
    setObjectName(QStringLiteral("liveCycles"));
    setAccessibleName(tr("Live cycles"));
    createControls();
    connect(&refreshTimer_, &QTimer::timeout, this, &LiveCyclesPanel::refresh);
    qApp->installEventFilter(this);
    refresh();
}

LiveCyclesPanel::~LiveCyclesPanel()
{
    qApp->removeEventFilter(this);
    // The controls go after the panel's members: nothing they say on their way may reach it.
    for (QObject* const child : findChildren<QObject*>())
        child->blockSignals(true);
}

void LiveCyclesPanel::createControls()
{
    auto* const layout = new QVBoxLayout(this);
    const auto addListed = [this, layout](const QString& label, QWidget* widget) {
        auto* const caption = new QLabel(label, this);
        caption->setBuddy(widget);
        layout->addWidget(caption);
        layout->addWidget(widget);
    };
    universes_ = new QComboBox(this);
    universes_->setAccessibleName(tr("Universe"));
    addListed(tr("&Universe"), universes_);
    systems_ = new QListWidget(this);
    systems_->setAccessibleName(tr("Systems"));
    keepShort(systems_);
    addListed(tr("&Systems"), systems_);
    cycles_ = new QListWidget(this);
    cycles_->setAccessibleName(tr("Cycles, the deferent first"));
    keepShort(cycles_);
    addListed(tr("C&ycles"), cycles_);
    auto* const grid = new QGridLayout;
    for (std::size_t index = 0; index < CycleNumbers::kFieldCount; ++index) {
        const Field field = CycleNumbers::fieldAt(index);
        if (field == Field::EccentricX)
            grid->addWidget(
                eccentric_ = createPointBox(tr("Has &eccentric"), Point::Eccentric), grid->rowCount(), 0, 1, 3);
        if (field == Field::EquantX)
            grid->addWidget(equant_ = createPointBox(tr("Has e&quant"), Point::Equant), grid->rowCount(), 0, 1, 3);
        auto entry = std::make_unique<LiveCycleField>(
            field, this, [this](Field changed, const std::optional<double>& value) { numberEntered(changed, value); },
            [this] { showSliderValues(); });
        const int row = grid->rowCount();
        grid->addWidget(entry->label(), row, 0);
        grid->addWidget(entry->slider(), row, 1);
        grid->addWidget(entry->box(), row, 2);
        fields_.push_back(std::move(entry));
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    message_ = new QLabel(this);
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00000"));
    layout->addWidget(message_);
    layout->addStretch();
    showMessage({});
    connect(universes_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(systems_, &QListWidget::currentRowChanged, this, &LiveCyclesPanel::systemChosen);
    connect(cycles_, &QListWidget::currentRowChanged, this, &LiveCyclesPanel::cycleChosen);
}

QCheckBox* LiveCyclesPanel::createPointBox(const QString& label, Point point)
{
    auto* const box = new QCheckBox(label, this);
    box->setAccessibleName(QString(label).remove(QLatin1Char('&')));
    connect(box, &QCheckBox::clicked, this, [this, point](bool shown) { pointToggled(point, shown); });
    return box;
}

void LiveCyclesPanel::refresh()
{
    followLayout();
    PtolemyUniverse* const chosen = universe();
    const UniverseSnapshot snapshot = chosen ? UniverseSnapshot::of(*chosen) : UniverseSnapshot();
    if (snapshot == shown_ && shownUniverse_ == universes_->currentIndex())
        return;
    if (shownUniverse_ != universes_->currentIndex())
        showMessage(chosen ? QString() : tr("The layout on screen shows no Ptolemy universe."));
    shownUniverse_ = universes_->currentIndex();
    show(snapshot, true);
}

void LiveCyclesPanel::followLayout()
{
    const std::optional<ScreenUniverses::Count> count = ScreenUniverses::countOf(host_);
    if (count == layoutListed_ && universesListed_)
        return;
    layoutListed_ = count;
    universesListed_ = true;
    listUniverses();
}

void LiveCyclesPanel::listUniverses()
{
    DisplayManager* const manager = host_ ? host_->displayManager() : nullptr;
    const QSignalBlocker quiet(universes_);
    const int row = universes_->currentIndex();
    universes_->clear();
    universeCollections_.clear();
    for (std::int32_t index = 0; manager && index < manager->committedCount(); ++index) {
        if (!universeAt(index))
            continue;
        universeCollections_.push_back(index);
        universes_->addItem(tr("Universe %1").arg(universeCollections_.size()));
    }
    if (universes_->count() > 0)
        universes_->setCurrentIndex(std::clamp(row, 0, universes_->count() - 1));
    universes_->setEnabled(universes_->count() > 0);
    shownUniverse_.reset();
}

PtolemyUniverse* LiveCyclesPanel::universeAt(int collection) const { return ScreenUniverses::at(host_, collection); }

PtolemyUniverse* LiveCyclesPanel::universe() const
{
    const int row = universes_->currentIndex();
    if (row < 0 || row >= static_cast<int>(universeCollections_.size()))
        return nullptr;
    return universeAt(universeCollections_[static_cast<std::size_t>(row)]);
}

void LiveCyclesPanel::show(const UniverseSnapshot& snapshot, bool fitRanges)
{
    shown_ = snapshot;
    const bool systemsRefilled = showSystems();
    const bool cyclesRefilled = showCycles();
    showCycle(fitRanges || systemsRefilled || cyclesRefilled);
}

bool LiveCyclesPanel::showSystems()
{
    QStringList names;
    for (const UniverseSnapshot::System& system : shown_.systems())
        names.append(system.name.empty() ? tr("System %1").arg(names.size() + 1) : QString::fromStdString(system.name));
    return fillList(systems_, names);
}

bool LiveCyclesPanel::showCycles()
{
    QStringList names;
    if (const UniverseSnapshot::System* system = shown_.system(systems_->currentRow()))
        for (const UniverseSnapshot::Cycle& cycle : system->cycles)
            names.append(cycle.name.empty() ? tr("Unnamed") : QString::fromStdString(cycle.name));
    return fillList(cycles_, names);
}

const UniverseSnapshot::Cycle* LiveCyclesPanel::chosenCycle() const
{
    return shown_.cycle(systems_->currentRow(), cycles_->currentRow());
}

void LiveCyclesPanel::showCycle(bool fitRanges)
{
    const UniverseSnapshot::Cycle* const cycle = chosenCycle();
    showPointBox(eccentric_, cycle ? std::optional(cycle->hasEccentric) : std::nullopt, Point::Eccentric);
    showPointBox(equant_, cycle ? std::optional(cycle->hasEquant) : std::nullopt, Point::Equant);
    for (const std::unique_ptr<LiveCycleField>& entry : fields_) {
        const Field field = entry->field();
        const QCheckBox* const point = isCoordinateOf(Point::Eccentric, field) ? eccentric_
            : isCoordinateOf(Point::Equant, field)                             ? equant_
                                                                               : nullptr;
        entry->setEnabled(cycle && (!point || point->isChecked()));
        if (!cycle)
            continue;
        const double value = cycle->numbers[field];
        if (fitRanges)
            entry->fitRange(value, cycle->numbers[Field::Radius]);
        entry->showValue(value);
    }
}

// A ticked box whose point has no coordinates yet stays ticked: it means nothing to the
// model until a coordinate is set.
void LiveCyclesPanel::showPointBox(QCheckBox* box, std::optional<bool> hasPoint, Point point)
{
    const QSignalBlocker quiet(box);
    box->setEnabled(hasPoint.has_value());
    const UniverseSnapshot::Cycle* const cycle = chosenCycle();
    const auto coordinatesAreZero = [&] {
        const Field x = point == Point::Eccentric ? Field::EccentricX : Field::EquantX;
        const Field y = point == Point::Eccentric ? Field::EccentricY : Field::EquantY;
        return cycle && cycle->numbers[x] == 0 && cycle->numbers[y] == 0;
    };
    box->setChecked(hasPoint.value_or(false) || (box->isChecked() && coordinatesAreZero()));
}

void LiveCyclesPanel::systemChosen()
{
    showCycles();
    if (cycles_->count() > 0 && cycles_->currentRow() < 0)
        cycles_->setCurrentRow(0);
    cycleChosen();
}

void LiveCyclesPanel::cycleChosen()
{
    showMessage({});
    // Another cycle's ticked boxes mean nothing here.
    const QSignalBlocker quietEccentric(eccentric_);
    const QSignalBlocker quietEquant(equant_);
    eccentric_->setChecked(false);
    equant_->setChecked(false);
    showCycle(true);
}

void LiveCyclesPanel::numberEntered(Field field, const std::optional<double>& value)
{
    if (!universe() || !chosenCycle())
        return;
    const std::optional<std::string> refusal
        = changeAsStep([field, &value](CycleChange& change) { return change.setNumber(field, value); }, field);
    if (!refusal)
        fields_[static_cast<std::size_t>(field)]->accept();
    showOutcome(refusal);
}

void LiveCyclesPanel::pointToggled(Point point, bool shown)
{
    if (!universe() || !chosenCycle())
        return;
    showOutcome(changeAsStep([point, shown](CycleChange& change) { return change.setPointShown(point, shown); }));
}

std::optional<std::string> LiveCyclesPanel::changeAsStep(
    const std::function<std::optional<std::string>(CycleChange&)>& change, std::optional<Field> field)
{
    PtolemyUniverse* const chosen = universe();
    if (!chosen)
        return std::nullopt;
    const int system = systems_->currentRow();
    const int cycle = cycles_->currentRow();
    const bool dragged = field && fields_[static_cast<std::size_t>(*field)]->slider()->isSliderDown();
    const std::string mergeKey = dragged ? QStringLiteral("live %1 %2 %3 %4 %5")
                                               .arg(universes_->currentIndex())
                                               .arg(system)
                                               .arg(cycle)
                                               .arg(static_cast<int>(*field))
                                               .arg(drags_)
                                               .toStdString()
                                         : std::string();
    std::optional<std::string> refusal;
    UserChanges::record(
        *chosen, tr("Cycle Change").toStdString(),
        [&] {
            CycleChange made(*chosen, system, cycle);
            refusal = change(made);
        },
        mergeKey);
    return refusal;
}

void LiveCyclesPanel::showOutcome(const std::optional<std::string>& refusal)
{
    showMessage(refusal ? QString::fromStdString(*refusal) : QString());
    if (refusal) {
        QAccessibleEvent alert(message_, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
    PtolemyUniverse* const chosen = universe();
    show(chosen ? UniverseSnapshot::of(*chosen) : UniverseSnapshot(), false);
}

void LiveCyclesPanel::showMessage(const QString& text)
{
    message_->setText(text);
    message_->setAccessibleName(text.isEmpty() ? tr("No message") : text);
}

void LiveCyclesPanel::showSliderValues()
{
    ++drags_;
    showCycle(false);
}

void LiveCyclesPanel::focusFirstControl()
{
    (universes_->isEnabled() ? static_cast<QWidget*>(universes_) : systems_)->setFocus(Qt::ShortcutFocusReason);
}

int LiveCyclesPanel::universeCount() const { return universes_->count(); }

bool LiveCyclesPanel::chooseUniverse(int row)
{
    refresh();
    if (row < 0 || row >= universes_->count())
        return false;
    universes_->setCurrentIndex(row);
    return true;
}

int LiveCyclesPanel::systemCount() const { return systems_->count(); }

bool LiveCyclesPanel::chooseSystem(int row)
{
    refresh();
    if (row < 0 || row >= systems_->count())
        return false;
    systems_->setCurrentRow(row);
    return true;
}

int LiveCyclesPanel::cycleCount() const { return cycles_->count(); }

bool LiveCyclesPanel::chooseCycle(int row)
{
    refresh();
    if (row < 0 || row >= cycles_->count())
        return false;
    cycles_->setCurrentRow(row);
    return true;
}

bool LiveCyclesPanel::enterNumber(Field field, const QString& text)
{
    refresh();
    LiveCycleField& entry = *fields_[static_cast<std::size_t>(field)];
    if (!entry.box()->isEnabled())
        return false;
    entry.enterText(text);
    return message().isEmpty();
}

void LiveCyclesPanel::setPointShown(Point point, bool shown)
{
    refresh();
    QCheckBox* const box = point == Point::Eccentric ? eccentric_ : equant_;
    if (box->isEnabled() && box->isChecked() != shown)
        box->click();
}

bool LiveCyclesPanel::isPointShown(Point point) const
{
    return (point == Point::Eccentric ? eccentric_ : equant_)->isChecked();
}

QString LiveCyclesPanel::numberText(Field field) const
{
    return fields_[static_cast<std::size_t>(field)]->box()->text();
}

QString LiveCyclesPanel::message() const { return message_->text(); }

bool LiveCyclesPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn)
        if (watched->isWidgetType())
            noteUse(static_cast<QWidget*>(watched));
    return QWidget::eventFilter(watched, event);
}

void LiveCyclesPanel::noteUse(QWidget* widget)
{
    for (QWidget* part = widget; part && part != host_; part = part->parentWidget()) {
        const WindowRecord* const record = WindowRegistry::instance().findRecord(part);
        if (!record)
            continue;
        const auto* const used = dynamic_cast<const PtolemyUniverse*>(record->imageSource);
        const auto listed = std::find_if(universeCollections_.begin(), universeCollections_.end(),
            [this, used](int collection) { return used && universeAt(collection) == used; });
        if (listed != universeCollections_.end())
            universes_->setCurrentIndex(static_cast<int>(listed - universeCollections_.begin()));
        return;
    }
}

void LiveCyclesPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
    refreshTimer_.start(kRefreshMilliseconds);
}

void LiveCyclesPanel::hideEvent(QHideEvent* event)
{
    refreshTimer_.stop();
    QWidget::hideEvent(event);
}
