#pragma once
// Colours written in XML as "arg" children holding "red=", "green=" and "blue="
// components (values 0 to 255). Used by the layout loader (BackgroundColor) and
// the Ptolemy universe file (orbitcolor, tracecolor).
#include "platform/Colour.h"
#include "platform/Result.h"

#include <cstdint>
#include <string>

class XmlNode;

// Reads the colour held by the "arg" children of `node` (the node's selection is
// replaced). The colour starts black; each argument ORs its component in. Stops at the
// first failing argument and returns its code; `colour` then keeps what was OR-ed in
// before. Messages only when report is 1.
HRESULT ParseColour(XmlNode* node, ColourRef* colour, std::int32_t report);

// Applies one "name=value" component to `colour` (OR-ed into its bits).
// No "=": E_FAIL; nothing after it: E_INVALIDARG; unknown name or a value outside
// 0-255: E_FAIL. Messages only when report is 1.
HRESULT ParseColourArgument(const std::string& text, ColourRef& colour, std::int32_t report);
