#include "sources/ImageSourceBuilder.h"

#include "observatory/Observatory.h"
#include "platform/Message.h"
#include "ptolemy/PtolemyUniverse.h"
#include "sources/BitmapDisplayWindow.h"
#include "sources/KeplerUniverse.h"
#include "xml/XmlNode.h"

#include <new>
#include <string>
#include <system_error>

namespace {

using SourceFactory = std::unique_ptr<ImageSource> (*)();

template <typename Source> std::unique_ptr<ImageSource> makeSourceOf() { return std::make_unique<Source>(); }

struct SourceType {
    const char* name;
    bool readsArguments; // whether the element's args/arg texts are passed to ParseArgument
    SourceFactory create;
};

// The image source types, in the order their names are compared with the layout's "type".
// Adding a type: include its header above and put makeSourceOf<TheClass> in its row.
const SourceType kSourceTypes[] = {
    { "KeplerUniverse", false, makeSourceOf<KeplerUniverse> },
    { "PtolemyUniverse", true, makeSourceOf<PtolemyUniverse> },
    { "BitmapDisplayWindow", true, makeSourceOf<BitmapDisplayWindow> },
    { "Observatory", false, makeSourceOf<Observatory> },
};

const SourceType* findType(const std::string& name)
{
    for (const SourceType& type : kSourceTypes) {
        if (name == type.name)
            return &type;
    }
    return nullptr;
}

// Passes each args/arg text of the element, in document order, to the source's ParseArgument;
// the first failure (an arg without text, or a rejected argument) ends the walk and is returned.
HRESULT parseArguments(const XmlNode& element, ImageSource& source, std::int32_t reportErrors)
{
    XmlNode arguments(element.getCurrent());
    HRESULT result = arguments.select("args/arg");
    if (FAILED(result))
        return result;
    for (; arguments.getSelected(); arguments.next()) {
        std::string text;
        result = arguments.readSelectedText(".", text);
        if (FAILED(result))
            return result;
        result = source.ParseArgument(text, reportErrors);
        if (FAILED(result))
            return result;
    }
    return S_OK;
}

} // namespace

HRESULT ImageSourceBuilder::Build(XmlNode* node, std::unique_ptr<ImageSource>& source)
{
    platform::CriticalSectionGuard guard(lock_);
    source.reset();
    if (node == nullptr)
        return E_INVALIDARG;
    try {
        return buildLocked(*node, source);
    } catch (const std::bad_alloc&) {
        source.reset();
        return E_OUTOFMEMORY;
    } catch (const std::system_error&) {
        // An animated source starts its clock thread when it is made; when the system
        // has no thread left for it the source cannot be made, like out of memory.
        source.reset();
        return E_OUTOFMEMORY;
    }
}

HRESULT ImageSourceBuilder::buildLocked(XmlNode& node, std::unique_ptr<ImageSource>& source)
{
    HRESULT result = node.currentNameIs("ImageSource");
    if (FAILED(result))
        return result;
    std::string typeName;
    result = node.readText("type", typeName);
    if (FAILED(result))
        return result;
    const SourceType* type = findType(typeName);
    if (type == nullptr) {
        if (reportErrors_ == 1)
            platform::showMessage(
                "Unrecognized Image Source type", "Image Source Builder Error", platform::MessageIcon::Error);
        return E_FAIL;
    }
    std::unique_ptr<ImageSource> built = makeSource(type->name);
    if (!built)
        return E_OUTOFMEMORY;
    if (type->readsArguments) {
        result = parseArguments(node, *built, reportErrors_);
        if (FAILED(result))
            return result; // the half-made source goes with `built`
    }
    source = std::move(built);
    return S_OK;
}

std::unique_ptr<ImageSource> ImageSourceBuilder::makeSource(const std::string& typeName)
{
    const SourceType* type = findType(typeName);
    return type ? type->create() : nullptr;
}
