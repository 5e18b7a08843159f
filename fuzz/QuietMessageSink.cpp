#include "QuietMessageSink.h"

#include "FuzzCheck.h"

namespace fuzz {

void QuietMessageSink::show(const platform::ShownMessage& message)
{
    const std::string line = platform::batchMessageLine(message);
    check(line.find('\n') == std::string::npos, "a batch message line holds no line break");
}

void QuietMessageSink::install()
{
    static QuietMessageSink sink;
    platform::setMessageSink(&sink);
}

} // namespace fuzz
