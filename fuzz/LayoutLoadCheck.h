#pragma once
// The layout fuzzers' run: a display manager that has no host window yet loads the input
// as a layout file, parses it into collections (its image sources made by the builder the
// fuzzer gives) and commits them without making a window, then is destroyed with them.
// Whatever the bytes, the load is counted, nothing stays half-loaded, and every window
// described on show has a valid rectangle, a kind, its collection's source and a
// background it can place.
#include <cstddef>
#include <cstdint>
#include <memory>

class ImageSourceBuilder;

namespace fuzz {

// Loads the `size` bytes at `data` as a layout through a display manager whose sources
// `builder` makes, and checks what the load left.
void loadAndCheckLayout(std::unique_ptr<ImageSourceBuilder> builder, const std::uint8_t* data, std::size_t size);

} // namespace fuzz
