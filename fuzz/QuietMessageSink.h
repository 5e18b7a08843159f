#pragma once
// Takes every message box the engine shows and shows none: a fuzzer's inputs make
// thousands a second, and standard error must stay free for the fuzzer's own reports.
#include "platform/Message.h"

namespace fuzz {

class QuietMessageSink : public platform::MessageSink {
public:
    // Formats the message as a batch run writes it, so that code runs on every message too.
    void show(const platform::ShownMessage& message) override;

    // Installs one sink for the rest of the process.
    static void install();
};

} // namespace fuzz
