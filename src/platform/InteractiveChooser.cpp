#include "platform/InteractiveChooser.h"

#include "platform/ModalDialog.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QPointer>

namespace platform {

std::optional<std::string> InteractiveChooser::chooseFile(const FileDialogRequest& request)
{
    // On the heap and watched: if the owner went away during the dialog's own event
    // loop, the dialog went with it and nothing of it is touched afterwards.
    QPointer<QFileDialog> dialog = new QFileDialog(request.owner);
    const bool saving = request.kind == FileDialogKind::SaveAs;
    dialog->setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !saving);
    dialog->setDirectory(QDir::current().absoluteFilePath(QString::fromStdString(request.startFolder)));
    dialog->setNameFilter(QString::fromStdString(nameFilter(request.filterDescription, request.filterPattern)));
    QString suffix = QString::fromStdString(request.defaultExtension);
    if (suffix.startsWith('.'))
        suffix.remove(0, 1);
    dialog->setDefaultSuffix(suffix);
    const std::optional<int> result = runModal(dialog.data());
    if (!result)
        return std::nullopt;
    const QStringList chosen = dialog->selectedFiles();
    delete dialog.data();
    if (*result != QDialog::Accepted || chosen.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(chosen.first()).toStdString();
}

std::string InteractiveChooser::nameFilter(const std::string& description, const std::string& pattern)
{
    const std::size_t open = description.rfind(" (");
    const bool endsInPattern = open != std::string::npos && !description.empty() && description.back() == ')';
    return (endsInPattern ? description.substr(0, open) : description) + " (" + pattern + ")";
}

std::optional<std::uint32_t> InteractiveChooser::chooseColour(QWidget* owner, std::uint32_t initial)
{
    const QColor start(initial & 0xff, (initial >> 8) & 0xff, (initial >> 16) & 0xff);
    QPointer<QColorDialog> dialog = new QColorDialog(start, owner);
    const std::optional<int> result = runModal(dialog.data());
    if (!result)
        return std::nullopt;
    const QColor chosen = dialog->selectedColor();
    delete dialog.data();
    if (*result != QDialog::Accepted || !chosen.isValid())
        return std::nullopt;
    return static_cast<std::uint32_t>(chosen.red()) | (static_cast<std::uint32_t>(chosen.green()) << 8)
        | (static_cast<std::uint32_t>(chosen.blue()) << 16);
}

} // namespace platform
