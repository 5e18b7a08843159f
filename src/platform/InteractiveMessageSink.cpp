#include "platform/InteractiveMessageSink.h"

#include "platform/DisplayText.h"
#include "platform/ModalDialog.h"

#include <QMessageBox>
#include <QPointer>

namespace platform {

namespace {

    QMessageBox::Icon boxIcon(MessageIcon icon)
    {
        switch (icon) {
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Error:
            break;
        }
        return QMessageBox::Critical;
    }

} // namespace

void InteractiveMessageSink::show(const ShownMessage& message)
{
    // On the heap and watched, like every dialog (see ModalDialog.h).
    QPointer<QMessageBox> box = new QMessageBox(
        boxIcon(message.icon), displayText(message.caption), displayText(message.text), QMessageBox::Ok);
    runModal(box.data());
    delete box.data();
}

} // namespace platform
