#pragma once
// Builds one image source from an ImageSource element of a layout: dispatches on the
// text of its "type" child and feeds the source its "args/arg" arguments.
//
// Ownership: Build hands the new source out as a std::unique_ptr; the caller owns it.
// Threading: used on the window thread; the builder's own lock is held for the whole of Build.
// See docs/threads.md.
#include "imagesource/ImageSource.h"
#include "platform/CriticalSection.h"
#include "platform/Result.h"

#include <cstdint>
#include <memory>
#include <string>

class XmlNode;

class ImageSourceBuilder {
public:
    ImageSourceBuilder() = default;
    virtual ~ImageSourceBuilder() = default;
    ImageSourceBuilder(const ImageSourceBuilder&) = delete;
    ImageSourceBuilder& operator=(const ImageSourceBuilder&) = delete;

    // `node`'s current node must be the ImageSource element. On success `source` holds the new
    // source; on failure it is left empty. E_INVALIDARG for a null node; E_FAIL for a node of
    // another name or an unknown type; the failure of reading "type" or of an argument as it came;
    // E_OUTOFMEMORY when the source cannot be made; E_NOTIMPL for a known type this build cannot make.
    virtual HRESULT Build(XmlNode* node, std::unique_ptr<ImageSource>& source);

    // Only 1 lets a failing build show its message. 1 when the builder is made.
    std::int32_t reportErrors() const { return reportErrors_; }
    void setReportErrors(std::int32_t reportErrors) { reportErrors_ = reportErrors; }

protected:
    // Makes a source of `typeName`, one of the known types, before its arguments are read:
    // the engine's own kind. A builder that checks layouts without running them (the
    // layout fuzzer's) makes sources that start no clock instead. Null: E_OUTOFMEMORY.
    virtual std::unique_ptr<ImageSource> makeSource(const std::string& typeName);

private:
    HRESULT buildLocked(XmlNode& node, std::unique_ptr<ImageSource>& source);

    platform::CriticalSection lock_;
    std::int32_t reportErrors_ = 1;
};
