#include "dialogs/DialogDriver.h"

#include "dialogs/ControlFactory.h"
#include "dialogs/TemplateDialog.h"
#include "platform/RawFile.h"
#include "platform/WindowThread.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

namespace dialogs {

namespace {

    bool chooseListRow(QListWidget* list, int row)
    {
        if (row < 0 || row >= list->count())
            return false;
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        return true;
    }

    bool chooseComboRow(QComboBox* combo, int row)
    {
        if (row < 0 || row >= combo->count())
            return false;
        combo->setCurrentIndex(row);
        // What the combo says when the user picks from its drop-down, changed or not.
        emit combo->activated(row);
        return true;
    }

} // namespace

DialogDriver::DialogDriver(TemplateDialog& dialog)
    : dialog_(&dialog)
{
    platform::assertWindowThread();
}

bool DialogDriver::click(int id)
{
    auto* const button = dialog_ ? qobject_cast<QAbstractButton*>(dialog_->control(id)) : nullptr;
    if (!button || !button->isEnabled())
        return false;
    button->click();
    return true;
}

bool DialogDriver::doubleClick(int id)
{
    auto* const list = dialog_ ? qobject_cast<QListWidget*>(dialog_->control(id)) : nullptr;
    if (!list || !list->isEnabled())
        return false;
    emit list->itemDoubleClicked(list->currentItem());
    return true;
}

bool DialogDriver::select(int id, int row)
{
    QWidget* const widget = dialog_ ? dialog_->control(id) : nullptr;
    if (!widget || !widget->isEnabled())
        return false;
    if (auto* list = qobject_cast<QListWidget*>(widget))
        return chooseListRow(list, row);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return chooseComboRow(combo, row);
    return false;
}

bool DialogDriver::setEditText(int id, const std::string& text)
{
    auto* const edit = dialog_ ? qobject_cast<QLineEdit*>(dialog_->control(id)) : nullptr;
    if (!edit || !edit->isEnabled() || edit->isReadOnly())
        return false;
    const QString value = showText(edit, text);
    edit->setText(value);
    emit edit->textEdited(value);
    return true;
}

bool DialogDriver::close()
{
    if (!dialog_)
        return false;
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialog_.data(), &escape);
    return true;
}

QImage DialogDriver::grab() const { return dialog_ ? dialog_->grab().toImage() : QImage(); }

bool DialogDriver::saveImage(const std::string& path) const
{
    const QImage image = grab();
    QFile file;
    return !image.isNull() && platform::openRawFile(path, QIODevice::WriteOnly, file) && image.save(&file, "PNG");
}

} // namespace dialogs
