#include "dialogs/TemplateDialog.h"

#include "dialogs/ControlFactory.h"
#include "dialogs/DialogAccessibility.h"
#include "dialogs/DialogProcedure.h"
#include "dialogs/DialogTemplate.h"
#include "dialogs/Notification.h"
#include "platform/DisplayText.h"
#include "platform/WindowThread.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>

namespace dialogs {

namespace {

    // List and combo rows keep the bytes of their text here.
    constexpr int kTextBytesRole = Qt::UserRole;

    QByteArray bytesOf(const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

    std::string rowText(const QString& shown, const QVariant& bytes)
    {
        return platform::storedText(shown, bytes.toByteArray().toStdString());
    }

    // The template's font when it names one (the desktop substitutes the nearest it has),
    // else the application's.
    QFont dialogFont(const DialogTemplate& dialogTemplate)
    {
        QFont font = QApplication::font();
        if (!dialogTemplate.fontFamily().empty())
            font.setFamily(platform::displayText(dialogTemplate.fontFamily()));
        if (dialogTemplate.pointSize() > 0)
            font.setPointSize(dialogTemplate.pointSize());
        return font;
    }

    bool isButtonKind(ControlKind kind)
    {
        return kind == ControlKind::DefaultPushButton || kind == ControlKind::PushButton
            || kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
    }

    // With LBS_SORT an added row goes before the first row that sorts after it.
    int sortedRowFor(const QListWidget* list, const QString& text)
    {
        for (int row = 0; row < list->count(); ++row) {
            if (QString::compare(list->item(row)->text(), text, Qt::CaseInsensitive) > 0)
                return row;
        }
        return list->count();
    }

} // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& dialogTemplate, DialogProcedure& procedure, QWidget* owner)
    : QDialog(owner,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
    , templateName_(dialogTemplate.name())
    , procedure_(procedure)
    , units_(DialogUnits::ofFont(dialogFont(dialogTemplate)))
{
    platform::assertWindowThread();
    setFont(dialogFont(dialogTemplate));
    setWindowTitle(platform::displayText(dialogTemplate.caption()));
    setFixedSize(units_.toPixels(QRect(QPoint(0, 0), dialogTemplate.size())).size());
    buildControls(dialogTemplate);
    placeAt(dialogTemplate.position(), owner);
}

void TemplateDialog::buildControls(const DialogTemplate& dialogTemplate)
{
    int groupIndex = 0;
    std::vector<QWidget*> widgets;
    for (const ControlTemplate& control : dialogTemplate.controls()) {
        if (control.hasStyle("WS_GROUP") && !controls_.empty())
            ++groupIndex;
        QWidget* const widget = createControlWidget(control, units_, this);
        if (control.kind == ControlKind::RadioButton)
            radioGroup(groupIndex)->addButton(static_cast<QAbstractButton*>(widget));
        connectNotifications(control, widget);
        controls_.push_back(Control { control.id, control.kind, control.hasStyle("LBS_SORT"), widget });
        widgets.push_back(widget);
    }
    orderTabsByReading(dialogTemplate.controls(), widgets);
    nameFieldsByTheirLabels(dialogTemplate.controls(), widgets);
}

// Enter on a list that notifies its double-clicks opens its chosen row as a double-click
// does, instead of pressing the dialog's default button.
bool TemplateDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    auto* const list = qobject_cast<QListWidget*>(watched);
    if (!list || (key != Qt::Key_Return && key != Qt::Key_Enter))
        return QDialog::eventFilter(watched, event);
    if (list->currentItem() && list->currentItem()->isSelected())
        emit list->itemDoubleClicked(list->currentItem());
    return true;
}

QButtonGroup* TemplateDialog::radioGroup(int index)
{
    // Radio buttons of one template group exclude each other, not all radios of the dialog.
    while (static_cast<int>(radioGroups_.size()) <= index) {
        auto* group = new QButtonGroup(this);
        group->setExclusive(true);
        radioGroups_.push_back(group);
    }
    return radioGroups_[static_cast<std::size_t>(index)];
}

void TemplateDialog::placeAt(const QPoint& positionInUnits, QWidget* owner)
{
    if (!owner)
        return;
    const QPoint offset(units_.toPixelsX(positionInUnits.x()), units_.toPixelsY(positionInUnits.y()));
    const QPoint wanted = owner->mapToGlobal(QPoint(0, 0)) + offset;
    // Owners near the right or bottom edge (a control window) would push the dialog off
    // the screen: it is kept whole on the owner's screen.
    const QScreen* screen = owner->screen();
    if (!screen) {
        move(wanted);
        return;
    }
    const QRect area = screen->availableGeometry();
    const int x = std::max(area.left(), std::min(wanted.x(), area.right() + 1 - width()));
    const int y = std::max(area.top(), std::min(wanted.y(), area.bottom() + 1 - height()));
    move(x, y);
}

void TemplateDialog::connectNotifications(const ControlTemplate& control, QWidget* widget)
{
    const int id = control.id;
    if (isButtonKind(control.kind)) {
        connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
            [this, id] { notify(id, notification::kButtonClicked); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textEdited, this, [this, id] { notify(id, notification::kEditChange); });
    } else if (auto* list = qobject_cast<QListWidget*>(widget); list && control.hasStyle("LBS_NOTIFY")) {
        connect(list, &QListWidget::itemSelectionChanged, this,
            [this, id] { notify(id, notification::kListSelectionChange); });
        connect(
            list, &QListWidget::itemDoubleClicked, this, [this, id] { notify(id, notification::kListDoubleClick); });
        list->installEventFilter(this);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        // activated, not currentIndexChanged: choosing the entry already shown notifies too.
        connect(combo, &QComboBox::activated, this, [this, id] { notify(id, notification::kComboSelectionChange); });
    }
}

void TemplateDialog::notify(int id, int code)
{
    if (!ended_)
        procedure_.command(*this, id, code);
}

void TemplateDialog::reject()
{
    if (!ended_)
        procedure_.closeRequested(*this);
}

void TemplateDialog::end(int result)
{
    ended_ = true;
    done(result);
}

const TemplateDialog::Control* TemplateDialog::find(int id) const
{
    if (id == kNoControlId)
        return nullptr;
    for (const Control& control : controls_) {
        if (control.id == id)
            return &control;
    }
    return nullptr;
}

QWidget* TemplateDialog::control(int id) const
{
    const Control* const found = find(id);
    return found ? found->widget : nullptr;
}

QListWidget* TemplateDialog::listBox(int id) const { return qobject_cast<QListWidget*>(control(id)); }

QComboBox* TemplateDialog::comboBox(int id) const { return qobject_cast<QComboBox*>(control(id)); }

void TemplateDialog::setText(int id, const std::string& text)
{
    QWidget* const widget = control(id);
    if (!widget)
        return;
    const QString value = showText(widget, text);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(value);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(value);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(value);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(value);
}

std::string TemplateDialog::text(int id) const
{
    QWidget* const widget = control(id);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return keptText(widget, button->text());
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return keptText(widget, edit->text());
    if (auto* label = qobject_cast<QLabel*>(widget))
        return keptText(widget, label->text());
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return keptText(widget, group->title());
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return rowText(combo->currentText(), combo->currentData(kTextBytesRole));
    return {};
}

bool TemplateDialog::isChecked(int id) const
{
    auto* const button = qobject_cast<QAbstractButton*>(control(id));
    return button && button->isChecked();
}

void TemplateDialog::setChecked(int id, bool checked)
{
    auto* const button = qobject_cast<QAbstractButton*>(control(id));
    if (!button || !button->isCheckable())
        return;
    QButtonGroup* const group = button->group();
    // An exclusive group refuses to uncheck its checked button; the procedure may.
    if (group && !checked)
        group->setExclusive(false);
    button->setChecked(checked);
    if (group)
        group->setExclusive(true);
}

int TemplateDialog::addListItem(int id, const std::string& text)
{
    const Control* const found = find(id);
    QListWidget* const list = listBox(id);
    if (!list)
        return -1;
    const QString value = platform::displayText(text);
    return insertListItem(id, found->sorted ? sortedRowFor(list, value) : list->count(), text);
}

int TemplateDialog::insertListItem(int id, int row, const std::string& text)
{
    QListWidget* const list = listBox(id);
    if (!list || row < -1 || row > list->count())
        return -1;
    const int at = row == -1 ? list->count() : row;
    const QSignalBlocker silent(list);
    auto* const item = new QListWidgetItem(platform::displayText(text));
    item->setData(kTextBytesRole, bytesOf(text));
    list->insertItem(at, item);
    return at;
}

void TemplateDialog::clearList(int id)
{
    if (QListWidget* const list = listBox(id)) {
        const QSignalBlocker silent(list);
        list->clear();
    }
}

bool TemplateDialog::selectListRow(int id, int row)
{
    QListWidget* const list = listBox(id);
    if (!list || row < -1 || row >= list->count())
        return false;
    const QSignalBlocker silent(list);
    if (row == -1) {
        list->clearSelection();
        list->setCurrentRow(-1);
    } else {
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    return true;
}

int TemplateDialog::selectedListRow(int id) const
{
    QListWidget* const list = listBox(id);
    if (!list)
        return -1;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

int TemplateDialog::listCount(int id) const
{
    QListWidget* const list = listBox(id);
    return list ? list->count() : 0;
}

std::string TemplateDialog::listItemText(int id, int row) const
{
    QListWidget* const list = listBox(id);
    if (!list || row < 0 || row >= list->count())
        return {};
    return rowText(list->item(row)->text(), list->item(row)->data(kTextBytesRole));
}

void TemplateDialog::setComboItems(int id, const std::vector<std::string>& items)
{
    QComboBox* const combo = comboBox(id);
    if (!combo)
        return;
    const QSignalBlocker silent(combo);
    combo->clear();
    for (const std::string& item : items)
        combo->addItem(platform::displayText(item), bytesOf(item));
    combo->setCurrentIndex(-1);
}

bool TemplateDialog::selectComboRow(int id, int row)
{
    QComboBox* const combo = comboBox(id);
    if (!combo || row < -1 || row >= combo->count())
        return false;
    const QSignalBlocker silent(combo);
    combo->setCurrentIndex(row);
    return true;
}

int TemplateDialog::selectedComboRow(int id) const
{
    QComboBox* const combo = comboBox(id);
    return combo ? combo->currentIndex() : -1;
}

int TemplateDialog::comboCount(int id) const
{
    QComboBox* const combo = comboBox(id);
    return combo ? combo->count() : 0;
}

} // namespace dialogs
