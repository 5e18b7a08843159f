#include "platform/Message.h"

#include "platform/CriticalSection.h"

#include <atomic>
#include <cassert>
#include <cstdio>

namespace platform {

namespace {

    BatchMessageSink& batchSink()
    {
        static BatchMessageSink sink;
        return sink;
    }

    std::atomic<MessageSink*> installedSink { nullptr };

} // namespace

void showMessage(const std::string& text, const std::string& caption, MessageIcon icon)
{
    // Interactively a message box runs a nested event loop: a lock that a worker thread
    // may wait for must not be held across it, whatever sink shows the message.
    assert(sharedLocksHeldByThisThread() == 0);
    MessageSink* sink = installedSink.load();
    (sink ? *sink : batchSink()).show(ShownMessage { text, caption, icon });
}

MessageSink* setMessageSink(MessageSink* sink) { return installedSink.exchange(sink); }

std::string batchMessageLine(const ShownMessage& message)
{
    std::string line = "MessageBox[" + message.caption + "]: ";
    for (char c : message.text) {
        if (c == '\r')
            line += "\\r";
        else if (c == '\n')
            line += "\\n";
        else
            line += c;
    }
    return line;
}

void BatchMessageSink::show(const ShownMessage& message)
{
    const std::string line = batchMessageLine(message) + "\n";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
}

MessageRecorder::MessageRecorder()
    : previous_(setMessageSink(this))
{
}

MessageRecorder::~MessageRecorder() { setMessageSink(previous_); }

void MessageRecorder::show(const ShownMessage& message)
{
    std::lock_guard lock(mutex_);
    messages_.push_back(message);
}

std::vector<ShownMessage> MessageRecorder::messages() const
{
    std::lock_guard lock(mutex_);
    return messages_;
}

std::size_t MessageRecorder::count() const
{
    std::lock_guard lock(mutex_);
    return messages_.size();
}

ShownMessage MessageRecorder::last() const
{
    std::lock_guard lock(mutex_);
    return messages_.empty() ? ShownMessage {} : messages_.back();
}

void MessageRecorder::clear()
{
    std::lock_guard lock(mutex_);
    messages_.clear();
}

} // namespace platform
