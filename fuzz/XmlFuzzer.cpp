// The XML loader on any bytes, its messages on: loading never crashes, a failed load
// leaves no document, a document that loads has exactly one root element, and a cursor
// walks whatever did parse, reading names, texts and numbers as the readers do.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "platform/Text.h"
#include "xml/XmlDocument.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// Enough elements to reach every kind of node; walking thousands would only slow the run.
constexpr int kElementsWalked = 256;

void checkText(const std::string& text, const char* promise)
{
    fuzz::checkCut(text, platform::kMaxTextLength, promise);
}

void readElement(XmlNode& element)
{
    std::string text;
    element.getCurrentName(text);
    checkText(text, "a node's name is cut to 256 characters");
    element.readText(".", text);
    checkText(text, "a text is cut to 256 characters");
    double number = 0;
    element.readDouble(".", number);
    std::int32_t integer = 0;
    element.readInt("*", integer);
    std::int32_t children = 0;
    if (SUCCEEDED(element.select("@*|*")) && SUCCEEDED(element.count(&children)) && children > 0) {
        element.readSelectedText(".", text);
        checkText(text, "a selected node's text is cut to 256 characters");
        element.readSelectedDouble(".", number);
    }
}

void walkElements(const XmlDocument& document)
{
    XmlNode roots(document.getCurrent());
    std::int32_t rootCount = 0;
    fuzz::check(SUCCEEDED(roots.select("*")) && SUCCEEDED(roots.count(&rootCount)) && rootCount == 1,
        "a loaded document has exactly one root element");
    XmlNode elements(document.getCurrent());
    fuzz::check(SUCCEEDED(elements.select("//*")), "the elements of a loaded document can be selected");
    for (int walked = 0; walked < kElementsWalked && elements.getSelected(); ++walked, elements.next()) {
        XmlNode element(elements.getSelected());
        readElement(element);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    XmlDocument document;
    if (FAILED(document.loadFile(fuzz::inputFile(data, size).c_str(), 1))) {
        fuzz::check(document.getCurrent().isNull(), "a failed load leaves no document");
        return 0;
    }
    walkElements(document);
    return 0;
}
