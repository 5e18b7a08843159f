#pragma once
// Message boxes. Every message the system shows goes through showMessage,
// which hands it to the one installed sink: interactive (a dialog box),
// batch (one line on standard error) or a recorder (tests read what was shown).
//
// Threading: the installed sink is an atomic pointer; a MessageRecorder guards what it
// recorded with a mutex of its own, a leaf of the lock order. showMessage runs a nested
// event loop, so it is never called with a lock held that a worker takes (checked in
// debug builds).
// See docs/threads.md.
#include <mutex>
#include <string>
#include <vector>

namespace platform {

enum class MessageIcon { Error, Warning, Information };

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Error;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const ShownMessage& message) = 0;
};

// Shows a message through the installed sink (the batch sink when none is installed).
void showMessage(const std::string& text, const std::string& caption, MessageIcon icon = MessageIcon::Error);

// Installs a sink (not owned; it must outlive its installation) and returns the previous one.
// Passing nullptr restores the batch sink.
MessageSink* setMessageSink(MessageSink* sink);

// The batch form of a message: "MessageBox[<caption>]: <text>" with CR and LF written as \r and \n.
std::string batchMessageLine(const ShownMessage& message);

// Writes each message as one batch line on standard error.
class BatchMessageSink : public MessageSink {
public:
    void show(const ShownMessage& message) override;
};

// Records every message; installs itself on construction and restores the previous sink on destruction.
class MessageRecorder : public MessageSink {
public:
    MessageRecorder();
    ~MessageRecorder() override;
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void show(const ShownMessage& message) override;
    std::vector<ShownMessage> messages() const;
    std::size_t count() const;
    // The last message shown; an empty message when there is none.
    ShownMessage last() const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<ShownMessage> messages_;
    MessageSink* previous_ = nullptr;
};

} // namespace platform
