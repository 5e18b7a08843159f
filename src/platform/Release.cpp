#include "platform/Release.h"

#include <atomic>

namespace platform {

namespace {
    std::atomic<Release> processRelease { Release::Current };
}

Release release() { return processRelease.load(); }

void setRelease(Release value) { processRelease.store(value); }

} // namespace platform
