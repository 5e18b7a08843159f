#include "xml/XmlNode.h"

#include "platform/Text.h"
#include "xml/NumberText.h"

#include <limits>
#include <new>

namespace {

// The DOM's name of a node: the tag or attribute name, the target of a processing
// instruction, the root name of a document type, or "#document", "#text" and the like.
std::string nodeName(const pugi::xpath_node& node)
{
    if (node.attribute())
        return node.attribute().name();
    const pugi::xml_node element = node.node();
    switch (element.type()) {
    case pugi::node_document:
        return "#document";
    case pugi::node_pcdata:
        return "#text";
    case pugi::node_cdata:
        return "#cdata-section";
    case pugi::node_comment:
        return "#comment";
    case pugi::node_doctype: {
        const std::string declaration = element.value();
        return declaration.substr(0, declaration.find_first_of(" \t\r\n["));
    }
    default:
        return element.name();
    }
}

// Character data, whether written plainly or as a CDATA section, is the node's text.
bool isTextNode(const pugi::xml_node& node)
{
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// The child value of `from` for `path`: the first child of the first node that the
// path selects. `isText` tells whether that child is text; when it is not, `value` is empty.
HRESULT readChildValue(const pugi::xpath_node& from, const std::string& path, std::string& value, bool& isText)
{
    value.clear();
    isText = false;
    pugi::xpath_node first;
    try {
        const pugi::xpath_query query(path.c_str());
        first = query.evaluate_node_set(from).first();
    } catch (const pugi::xpath_exception&) {
        return E_FAIL;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    if (first.attribute()) {
        // An attribute's only child is its text; an empty value has none.
        value = platform::cutText(first.attribute().value(), platform::kMaxTextLength);
        isText = !value.empty();
        return isText ? S_OK : E_INVALIDARG;
    }
    if (!first.node())
        return E_INVALIDARG;
    const pugi::xml_node child = first.node().first_child();
    if (!child)
        return E_INVALIDARG;
    isText = isTextNode(child);
    if (isText)
        value = platform::cutText(child.value(), platform::kMaxTextLength);
    return S_OK;
}

HRESULT readTextFrom(const pugi::xpath_node& from, const std::string& path, std::string& text)
{
    text.clear();
    if (!from)
        return E_INVALIDARG;
    bool isText = false;
    return readChildValue(from, path, text, isText);
}

// A number read leaves `value` unchanged when the child is not text and zeroes it on failure.
template <typename Number, typename Convert>
HRESULT readNumberFrom(const pugi::xpath_node& from, const std::string& path, Number& value, Convert convert)
{
    if (!from) {
        value = 0;
        return E_INVALIDARG;
    }
    std::string text;
    bool isText = false;
    const HRESULT result = readChildValue(from, path, text, isText);
    if (FAILED(result))
        value = 0;
    else if (isText)
        value = convert(text);
    return result;
}

HRESULT nameIs(const pugi::xpath_node& node, const std::string& name)
{
    if (!node)
        return E_INVALIDARG;
    return nodeName(node) == name ? S_OK : E_FAIL;
}

} // namespace

XmlNode::XmlNode(XmlNodeHandle node)
    : current_(node)
{
}

HRESULT XmlNode::setCurrent(XmlNodeHandle node)
{
    current_ = node;
    dropSelection();
    return S_OK;
}

HRESULT XmlNode::select(const std::string& path)
{
    if (!current_)
        return E_INVALIDARG;
    dropSelection();
    try {
        selection_ = current_.node().select_nodes(path.c_str());
    } catch (const pugi::xpath_exception&) {
        return E_FAIL;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    // The parser leaves unions and reverse axes out of document order.
    selection_.sort();
    hasSelection_ = true;
    return S_OK;
}

XmlNodeHandle XmlNode::getSelected() const { return XmlNodeHandle(selectedNode().node()); }

HRESULT XmlNode::next()
{
    if (hasSelection_ && selectedIndex_ < selection_.size())
        ++selectedIndex_;
    return S_OK;
}

HRESULT XmlNode::count(std::int32_t* count) const
{
    if (count == nullptr)
        return E_INVALIDARG;
    if (!hasSelection_) {
        *count = 0;
        return E_FAIL;
    }
    const std::size_t size = selection_.size();
    const std::size_t largest = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    *count = static_cast<std::int32_t>(size < largest ? size : largest);
    return S_OK;
}

HRESULT XmlNode::getCurrentName(std::string& name) const
{
    name.clear();
    if (!current_)
        return E_INVALIDARG;
    name = platform::cutText(nodeName(pugi::xpath_node(current_.node())), platform::kMaxTextLength);
    return S_OK;
}

HRESULT XmlNode::currentNameIs(const std::string& name) const
{
    return nameIs(pugi::xpath_node(current_.node()), name);
}

HRESULT XmlNode::selectedNameIs(const std::string& name) const { return nameIs(selectedNode(), name); }

HRESULT XmlNode::readText(const std::string& path, std::string& text) const
{
    return readTextFrom(pugi::xpath_node(current_.node()), path, text);
}

HRESULT XmlNode::readInt(const std::string& path, std::int32_t& value) const
{
    return readNumberFrom(pugi::xpath_node(current_.node()), path, value, xmltext::toLong);
}

HRESULT XmlNode::readDouble(const std::string& path, double& value) const
{
    return readNumberFrom(pugi::xpath_node(current_.node()), path, value, xmltext::toDouble);
}

HRESULT XmlNode::readSelectedText(const std::string& path, std::string& text) const
{
    return readTextFrom(selectedNode(), path, text);
}

HRESULT XmlNode::readSelectedDouble(const std::string& path, double& value) const
{
    return readNumberFrom(selectedNode(), path, value, xmltext::toDouble);
}

void XmlNode::dropAll()
{
    current_ = XmlNodeHandle();
    dropSelection();
}

void XmlNode::setCurrentKeepingSelection(XmlNodeHandle node) { current_ = node; }

pugi::xpath_node XmlNode::selectedNode() const
{
    if (!hasSelection_ || selectedIndex_ >= selection_.size())
        return pugi::xpath_node();
    return selection_[selectedIndex_];
}

void XmlNode::dropSelection()
{
    selection_ = pugi::xpath_node_set();
    hasSelection_ = false;
    selectedIndex_ = 0;
}
