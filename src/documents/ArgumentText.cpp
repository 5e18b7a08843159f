#include "documents/ArgumentText.h"

HRESULT splitArgument(const std::string& text, std::string& name, std::string& value)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) {
        name.clear();
        value.clear();
        return E_FAIL;
    }
    name = text.substr(0, equals);
    value = text.substr(equals + 1);
    return value.empty() ? E_INVALIDARG : S_OK;
}

std::string argumentNamePart(const std::string& text) { return text.substr(0, text.find('=')); }

HRESULT parseBoolean(const std::string& value, bool& result)
{
    if (value.size() != 1)
        return E_FAIL;
    switch (value[0]) {
    case '1':
    case 'T':
    case 'Y':
    case 't':
    case 'y':
        result = true;
        return S_OK;
    case '0':
    case 'F':
    case 'N':
    case 'f':
    case 'n':
        result = false;
        return S_OK;
    default:
        return E_FAIL;
    }
}
