#pragma once
// Shows messages in modal message boxes with no owner window.
// See docs/threads.md.
#include "platform/Message.h"

namespace platform {

class InteractiveMessageSink : public MessageSink {
public:
    void show(const ShownMessage& message) override;
};

} // namespace platform
