#include "scripting/DialogSeams.h"

#include "platform/Chooser.h"
#include "platform/InteractiveChooser.h"
#include "platform/InteractiveMessageSink.h"
#include "platform/Message.h"

void installDialogSeams(bool batch, platform::ScriptedChooser& scripted)
{
    static platform::InteractiveMessageSink interactiveMessages;
    static platform::InteractiveChooser interactiveChooser;
    if (batch) {
        platform::setMessageSink(nullptr);
        platform::setChooser(&scripted);
    } else {
        platform::setMessageSink(&interactiveMessages);
        platform::setChooser(&interactiveChooser);
    }
}
