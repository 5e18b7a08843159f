#pragma once
// Builds a layout's image sources as the engine's builder does (the same types, elements
// and arguments), except that the animated kinds (the Ptolemy and Kepler universes, the
// observatory) come out as still sources: plain image sources that start no clock and
// compute no system, so that the layout fuzzer measures the layout loader and not the
// start of a thread and a whole period of motion per source. The bitmap display, which
// has no clock, is the real one.
#include "sources/ImageSourceBuilder.h"

namespace fuzz {

class StillSourceBuilder : public ImageSourceBuilder {
protected:
    std::unique_ptr<ImageSource> makeSource(const std::string& typeName) override;
};

} // namespace fuzz
