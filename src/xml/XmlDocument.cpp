#include "xml/XmlDocument.h"

#include "platform/DataPath.h"
#include "platform/Message.h"
#include "platform/Text.h"
#include "xml/ParsePosition.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <new>
#include <sys/stat.h>

namespace {

constexpr const char* kLoadErrorCaption = "Error Loading XML Document";

// Why a load failed: the code it returns and the text that reports it.
struct LoadFailure {
    HRESULT code = S_OK;
    std::string message;
};

// The folder that relative paths are read from: the root directory, else the working directory.
std::string currentDirectory()
{
    std::error_code error;
    const std::string root = platform::rootDirectory();
    const std::string folder = root.empty() ? std::filesystem::current_path(error).string() : root;
    return platform::cutText(folder, platform::kMaxPathLength);
}

LoadFailure notFound() { return { XmlDocument::kFileNotFound, "Your XML file wasn't found." }; }

LoadFailure notLoaded(HRESULT code)
{
    return { code,
        platform::formatText("Your XML Document couldn't be loaded\nCurrentDir= %s", currentDirectory().c_str()) };
}

LoadFailure parseError(const char* path, const std::string& bytes, pugi::xml_encoding encoding, std::ptrdiff_t offset)
{
    const ParsePosition where = ParsePosition::locate(bytes, encoding, offset);
    return { E_FAIL,
        platform::formatText("Error on line %d, position %d in \"%s\".\n", where.line, where.position, path) };
}

// Reads the whole file; a missing file and one that cannot be read fail differently.
// A path longer than the system's paths cannot name a file, and a shorter cut of it
// would name another, so it is not found.
// `path` as written decides the length; `resolved` (against the root directory) is opened.
LoadFailure readFile(const char* path, const std::string& resolved, std::string& bytes)
{
    if (std::strlen(path) > platform::kMaxPathLength)
        return notFound();
    struct stat status { };
    if (::stat(resolved.c_str(), &status) != 0)
        return errno == ENOENT || errno == ENOTDIR ? notFound() : notLoaded(E_FAIL);
    if (!S_ISREG(status.st_mode))
        return notLoaded(E_FAIL);
    std::FILE* file = std::fopen(resolved.c_str(), "rb");
    if (file == nullptr)
        return errno == ENOENT ? notFound() : notLoaded(E_FAIL);
    LoadFailure failure;
    try {
        bytes.reserve(static_cast<std::size_t>(status.st_size));
        char chunk[65536];
        std::size_t length = 0;
        while ((length = std::fread(chunk, 1, sizeof chunk, file)) > 0)
            bytes.append(chunk, length);
        if (std::ferror(file))
            failure = notLoaded(E_FAIL);
    } catch (const std::bad_alloc&) {
        failure = notLoaded(E_OUTOFMEMORY);
    }
    std::fclose(file);
    return failure;
}

// Whether the XML declaration `node` opens the file: only a byte-order mark may precede
// its "<?", so its name "xml" stands at line 1, position 3.
bool opensTheFile(const pugi::xml_node node, const std::string& bytes, pugi::xml_encoding encoding)
{
    const ParsePosition where = ParsePosition::locate(bytes, encoding, node.offset_debug());
    return where.line == 1 && where.position == 3;
}

// The parser accepts text and further elements beside the root element, an XML declaration
// anywhere between them and document types after the root element; a well-formed document
// has exactly one root element and only markup around it, its declaration is the very first
// thing in the file and its one document type comes before the root element.
LoadFailure checkDocumentLevel(
    const pugi::xml_document& document, const char* path, const std::string& bytes, pugi::xml_encoding encoding)
{
    bool rootSeen = false;
    bool doctypeSeen = false;
    for (const pugi::xml_node child : document.children()) {
        const bool text = child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata;
        const bool secondRoot = child.type() == pugi::node_element && rootSeen;
        const bool misplacedDeclaration
            = child.type() == pugi::node_declaration && !opensTheFile(child, bytes, encoding);
        const bool misplacedDoctype = child.type() == pugi::node_doctype && (rootSeen || doctypeSeen);
        if (text || secondRoot || misplacedDeclaration || misplacedDoctype)
            return parseError(path, bytes, encoding, child.offset_debug());
        rootSeen = rootSeen || child.type() == pugi::node_element;
        doctypeSeen = doctypeSeen || child.type() == pugi::node_doctype;
    }
    if (!rootSeen)
        return parseError(path, bytes, encoding, std::numeric_limits<std::ptrdiff_t>::max());
    return {};
}

LoadFailure parseFile(pugi::xml_document& document, const char* path, const std::string& bytes)
{
    // Fragment mode keeps text beside the root element so that it can be rejected;
    // a document type naming a DTD parses without the DTD ever being read.
    const unsigned options = pugi::parse_default | pugi::parse_declaration | pugi::parse_doctype | pugi::parse_fragment;
    const pugi::xml_parse_result parsed
        = document.load_buffer(bytes.data(), bytes.size(), options, pugi::encoding_auto);
    switch (parsed.status) {
    case pugi::status_ok:
        return checkDocumentLevel(document, path, bytes, parsed.encoding);
    case pugi::status_out_of_memory:
        return notLoaded(E_OUTOFMEMORY);
    case pugi::status_internal_error:
    case pugi::status_io_error:
    case pugi::status_file_not_found:
        return notLoaded(E_FAIL);
    default:
        return parseError(path, bytes, parsed.encoding, parsed.offset);
    }
}

} // namespace

XmlDocument::XmlDocument()
{
    try {
        document_ = std::make_unique<pugi::xml_document>();
    } catch (const std::bad_alloc&) {
        document_.reset();
    }
}

XmlDocument::~XmlDocument()
{
    document_.reset();
    dropAll();
}

HRESULT XmlDocument::setCurrent(XmlNodeHandle node)
{
    if (node)
        return XmlNode::setCurrent(node);
    if (!document_)
        return E_FAIL;
    setCurrentKeepingSelection(XmlNodeHandle(*document_));
    return S_OK;
}

HRESULT XmlDocument::loadFile(const char* path, std::int32_t reportErrors)
{
    if (path == nullptr)
        return E_INVALIDARG;
    dropAll();
    if (!document_)
        return E_FAIL;
    std::string bytes;
    LoadFailure failure = readFile(path, platform::resolveDataPath(path), bytes);
    if (failure.code == S_OK)
        failure = parseFile(*document_, path, bytes);
    return finishLoad(failure.code, failure.message, reportErrors);
}

HRESULT XmlDocument::loadText(const std::string& bytes, const char* name, std::int32_t reportErrors)
{
    if (name == nullptr)
        return E_INVALIDARG;
    dropAll();
    if (!document_)
        return E_FAIL;
    const LoadFailure failure = parseFile(*document_, name, bytes);
    return finishLoad(failure.code, failure.message, reportErrors);
}

HRESULT XmlDocument::finishLoad(HRESULT code, const std::string& message, std::int32_t reportErrors)
{
    loadFailureText_ = message;
    if (code != S_OK) {
        document_->reset();
        if (reportErrors == 1)
            platform::showMessage(message, kLoadErrorCaption, platform::MessageIcon::Error);
        return code;
    }
    XmlNode::setCurrent(XmlNodeHandle(*document_));
    return S_OK;
}
