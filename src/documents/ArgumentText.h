#pragma once
// Layout argument texts "name=value" and boolean values, shared by image sources,
// window backgrounds and colour arguments.
#include "platform/Result.h"

#include <string>

// Splits `text` at its first "=". No "=": E_FAIL. Nothing after it: E_INVALIDARG
// (name is still set). Otherwise S_OK; the name may be empty.
HRESULT splitArgument(const std::string& text, std::string& name, std::string& value);

// The text shown in "unrecognized argument" messages: the text up to the first "=",
// or the whole text when there is none.
std::string argumentNamePart(const std::string& text);

// One character: "1" "T" "Y" "t" "y" are true, "0" "F" "N" "f" "n" false; anything else E_FAIL.
HRESULT parseBoolean(const std::string& value, bool& result);
