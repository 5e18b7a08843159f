#include "platform/ModalDialog.h"

#include "platform/HandlerScope.h"

#include <QDialog>

namespace platform {

std::optional<int> runModal(const QPointer<QDialog>& dialog)
{
    if (!dialog)
        return std::nullopt;
    int result = QDialog::Rejected;
    {
        HandlerScope loop(HandlerScope::Kind::NestedLoop);
        result = dialog->exec();
    }
    if (!dialog)
        return std::nullopt;
    return result;
}

} // namespace platform
