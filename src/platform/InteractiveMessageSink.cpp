#include "platform/InteractiveMessageSink.h"

#include <QMessageBox>

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
    QMessageBox box(boxIcon(message.icon), QString::fromLocal8Bit(message.caption.c_str()),
                    QString::fromLocal8Bit(message.text.c_str()), QMessageBox::Ok);
    box.exec();
}

} // namespace platform
