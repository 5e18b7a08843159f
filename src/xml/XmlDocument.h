#pragma once
// An XmlNode that owns its parsed document and loads it from a file.
// After a successful load the current node is the document node.
#include "xml/XmlNode.h"

#include <memory>
#include <string>

class XmlDocument : public XmlNode {
public:
    XmlDocument();
    ~XmlDocument() override;

    // With a null node the document node becomes current and the selection is kept.
    HRESULT setCurrent(XmlNodeHandle node) override;

    // Loads and parses the file. With reportErrors 1 a failure is shown with the caption
    // "Error Loading XML Document". A failed load returns a failure code.
    HRESULT loadFile(const char* path, std::int32_t reportErrors);
    // Parses `bytes` held in memory (a file kept inside another) as loadFile parses a file's;
    // `name` stands for the file in the messages.
    HRESULT loadText(const std::string& bytes, const char* name, std::int32_t reportErrors);
    // The text that reported (or, with messages off, would have reported) the last failed
    // load; empty after a load that succeeded.
    const std::string& loadFailureText() const { return loadFailureText_; }

    // The failure code of a load whose file does not exist (the DOM parser's own code for it).
    static constexpr HRESULT kFileNotFound = static_cast<HRESULT>(0x800C0006u);

private:
    // Keeps the failure's text, shows it when asked; the document becomes current on success.
    HRESULT finishLoad(HRESULT code, const std::string& message, std::int32_t reportErrors);

    std::unique_ptr<pugi::xml_document> document_;
    std::string loadFailureText_;
};
