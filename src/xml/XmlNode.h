#pragma once
// A cursor over the nodes of a parsed XML document.
//
// `current` is the context of every select and of readText/readInt/readDouble;
// `selection` holds the nodes the last select produced, in document order, and
// `selected` the one the cursor stands on. Node handles returned by getCurrent
// and getSelected are borrowed: valid while their document lives.
// A cursor is used by one thread at a time and is not locked.
// See docs/threads.md.
#include "platform/Result.h"

#include <pugixml.hpp>

#include <cstdint>
#include <string>

// A borrowed reference to one node (element, text or document node); null when empty.
class XmlNodeHandle {
public:
    XmlNodeHandle() = default;
    explicit XmlNodeHandle(pugi::xml_node node)
        : node_(node)
    {
    }
    bool isNull() const { return !node_; }
    explicit operator bool() const { return !isNull(); }
    pugi::xml_node node() const { return node_; }
    bool operator==(const XmlNodeHandle& other) const { return node_ == other.node_; }

private:
    pugi::xml_node node_;
};

class XmlNode {
public:
    XmlNode() = default;
    explicit XmlNode(XmlNodeHandle node);
    virtual ~XmlNode() = default;
    XmlNode(const XmlNode&) = delete;
    XmlNode& operator=(const XmlNode&) = delete;

    // Makes `node` current and drops the selection.
    virtual HRESULT setCurrent(XmlNodeHandle node);
    XmlNodeHandle getCurrent() const { return current_; }

    // Selects the nodes of `path` from the current node, in document order, and stands on the first.
    HRESULT select(const std::string& path);
    XmlNodeHandle getSelected() const;
    // Stands on the next node of the selection (null after the last); always 0.
    HRESULT next();
    // The number of nodes in the selection: E_INVALIDARG for a null out value, E_FAIL without a selection.
    HRESULT count(std::int32_t* count) const;

    // The current node's name, cut to 256 characters.
    HRESULT getCurrentName(std::string& name) const;
    HRESULT currentNameIs(const std::string& name) const;
    HRESULT selectedNameIs(const std::string& name) const;

    // Child value reads from the current node.
    HRESULT readText(const std::string& path, std::string& text) const;
    HRESULT readInt(const std::string& path, std::int32_t& value) const;
    HRESULT readDouble(const std::string& path, double& value) const;
    // Child value reads from the selected node.
    HRESULT readSelectedText(const std::string& path, std::string& text) const;
    HRESULT readSelectedDouble(const std::string& path, double& value) const;

protected:
    void dropAll();
    // Makes `node` current and leaves the selection as it is.
    void setCurrentKeepingSelection(XmlNodeHandle node);

private:
    // The node the selection stands on (an element, text, document or attribute node); empty when none.
    pugi::xpath_node selectedNode() const;
    void dropSelection();

    XmlNodeHandle current_;
    pugi::xpath_node_set selection_;
    bool hasSelection_ = false;
    std::size_t selectedIndex_ = 0;
};
