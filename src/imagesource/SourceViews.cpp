#include "imagesource/SourceViews.h"

#include <atomic>

namespace {

std::atomic<SourceViews*> installedViews { nullptr };

} // namespace

SourceViews* SourceViews::installed() { return installedViews.load(); }

void SourceViews::install(SourceViews* views) { installedViews.store(views); }
