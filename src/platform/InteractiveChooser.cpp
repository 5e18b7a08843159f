#include "platform/InteractiveChooser.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>

namespace platform {

std::optional<std::string> InteractiveChooser::chooseFile(const FileDialogRequest& request)
{
    QFileDialog dialog(request.owner);
    const bool saving = request.kind == FileDialogKind::SaveAs;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !saving);
    dialog.setDirectory(QDir::current().absoluteFilePath(QString::fromStdString(request.startFolder)));
    dialog.setNameFilter(QString::fromStdString(request.filterDescription + " (" + request.filterPattern + ")"));
    QString suffix = QString::fromStdString(request.defaultExtension);
    if (suffix.startsWith('.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().first()).toStdString();
}

std::optional<std::uint32_t> InteractiveChooser::chooseColour(QWidget* owner, std::uint32_t initial)
{
    const QColor start(initial & 0xff, (initial >> 8) & 0xff, (initial >> 16) & 0xff);
    const QColor chosen = QColorDialog::getColor(start, owner);
    if (!chosen.isValid())
        return std::nullopt;
    return static_cast<std::uint32_t>(chosen.red()) | (static_cast<std::uint32_t>(chosen.green()) << 8)
        | (static_cast<std::uint32_t>(chosen.blue()) << 16);
}

} // namespace platform
