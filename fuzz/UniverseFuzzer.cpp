// The universe file reader on any document, without making a body of what it reads (a
// body computes a whole period of its motion and loads its match trail, which would leave
// the reader a small part of each run): reading never crashes, and every system read holds
// what a body is made of: a planet bitmap, colours of three components and a chain whose
// extent and positions can be computed.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "ptolemy/UniverseFile.h"
#include "xml/XmlDocument.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr ColourRef kComponentBits = 0xffffffu;

void checkSystem(const UniverseSystem& system)
{
    fuzz::check(!system.bitmap.empty(), "every system names a planet bitmap");
    fuzz::check((system.orbitColour & ~kComponentBits) == 0 && (system.traceColour & ~kComponentBits) == 0,
        "colours hold red, green and blue only");
    if (!system.chain)
        return;
    fuzz::check(system.chain->ChainLength() >= 1, "a chain holds its orbs");
    system.chain->Extent();
    system.chain->Position(0.0);
    system.chain->Position(0.37);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    XmlDocument document;
    if (FAILED(document.loadFile(fuzz::inputFile(data, size).c_str(), 0)))
        return 0;
    ReadUniverseSystems(document, [](UniverseSystem& system) { checkSystem(system); });
    return 0;
}
