// The layout loader: the DisplayManager operations that read a Layout element into
// the loaded collections. Each takes the display manager's lock for its whole run;
// every nested level reads through a fresh XmlNode cursor.
#include "display/DisplayManager.h"

#include "documents/ColourArgument.h"
#include "platform/Message.h"
#include "platform/Text.h"
#include "sources/ImageSourceBuilder.h"
#include "xml/NumberText.h"
#include "xml/XmlNode.h"

#include <QCoreApplication>

#include <functional>

namespace {

constexpr const char* kLayoutErrorCaption = "Layout Error";

// Builds the image source of an ImageSource element; a failed build gives no source.
HRESULT buildImageSource(
    ImageSourceBuilder& builder, XmlNode& cursor, std::int32_t reportErrors, std::unique_ptr<ImageSource>& source)
{
    builder.setReportErrors(reportErrors);
    std::unique_ptr<ImageSource> built;
    const HRESULT result = builder.Build(&cursor, built);
    if (FAILED(result))
        return result;
    if (!built)
        return E_FAIL;
    source = std::move(built);
    return result;
}

// Passes the text of every node of the cursor's selection, in document order, to
// `apply`; stops at the first failure. An element without text reads as empty text,
// which every argument parser rejects with its own message.
HRESULT forEachSelectedText(XmlNode& cursor, const std::function<HRESULT(const std::string&)>& apply)
{
    for (; cursor.getSelected(); cursor.next()) {
        std::string text;
        cursor.readSelectedText(".", text);
        const HRESULT result = apply(platform::cutText(text, platform::kMaxTextLength));
        if (FAILED(result))
            return result;
    }
    return S_OK;
}

// One side of a screen rectangle. "nan" and "inf" are read as what they name, so that the
// rectangle is refused as invalid rather than taken with a side of 0.
HRESULT readRectSide(const XmlNode& rect, const char* side, double& value)
{
    std::string text;
    const HRESULT result = rect.readText(side, text);
    value = SUCCEEDED(result) ? xmltext::toDoubleOrNonFinite(text) : 0.0;
    return result;
}

} // namespace

HRESULT DisplayManager::parseLayout(XmlNode& cursor, std::int32_t reportErrors)
{
    platform::CriticalSectionGuard guard(lock_);
    HRESULT result = cursor.currentNameIs("Layout");
    if (FAILED(result))
        return result;

    result = cursor.select("BackgroundColor");
    if (FAILED(result))
        return result;
    if (const XmlNodeHandle colourNode = cursor.getSelected()) {
        XmlNode colourCursor(colourNode);
        result = parseBackgroundColor(colourCursor, reportErrors);
    } else {
        result = setLayoutColour(kDefaultLayoutColour);
    }
    if (FAILED(result))
        return result;

    result = cursor.select("ImageSourceCollection");
    std::int32_t count = 0;
    if (SUCCEEDED(result))
        result = cursor.count(&count);
    if (FAILED(result))
        return result;
    if (count == 0)
        return clearLoaded();
    if (count > kMaxImageSources) {
        if (reportErrors == 1)
            platform::showMessage(QCoreApplication::translate(
                                      "DisplayManager", "The layout holds %1 image sources; at most %2 are shown.")
                                      .arg(count)
                                      .arg(kMaxImageSources)
                                      .toStdString(),
                "Astreon Error", platform::MessageIcon::Warning);
        count = kMaxImageSources;
    }
    result = allocateCollections(count);
    for (std::int32_t index = 0; SUCCEEDED(result) && index < count && cursor.getSelected(); ++index, cursor.next()) {
        XmlNode collectionCursor(cursor.getSelected());
        result = parseCollection(collectionCursor, index, reportErrors);
    }
    return result;
}

HRESULT DisplayManager::parseBackgroundColor(XmlNode& cursor, std::int32_t reportErrors)
{
    platform::CriticalSectionGuard guard(lock_);
    HRESULT result = cursor.currentNameIs("BackgroundColor");
    if (FAILED(result))
        return result;
    ColourRef colour = 0;
    result = ParseColour(&cursor, &colour, reportErrors);
    if (FAILED(result))
        return result;
    return setLayoutColour(colour);
}

HRESULT DisplayManager::parseCollection(XmlNode& cursor, std::int32_t index, std::int32_t reportErrors)
{
    platform::CriticalSectionGuard guard(lock_);
    if (index < 0 || index >= loadedCount())
        return E_INVALIDARG;
    HRESULT result = cursor.currentNameIs("ImageSourceCollection");
    if (SUCCEEDED(result))
        result = cursor.select("ImageSource");
    if (FAILED(result))
        return result;
    if (!cursor.getSelected())
        return E_FAIL;
    XmlNode partCursor(cursor.getSelected());
    result = buildSource(partCursor, index, reportErrors);
    if (FAILED(result))
        return result;

    result = cursor.select("Windows");
    if (FAILED(result))
        return result;
    if (!cursor.getSelected())
        return E_FAIL;
    partCursor.setCurrent(cursor.getSelected());
    return parseWindows(partCursor, index, reportErrors);
}

HRESULT DisplayManager::buildSource(XmlNode& cursor, std::int32_t index, std::int32_t reportErrors)
{
    platform::CriticalSectionGuard guard(lock_);
    HRESULT result = cursor.currentNameIs("ImageSource");
    if (FAILED(result))
        return result;
    std::unique_ptr<ImageSource> source;
    result = buildImageSource(*sourceBuilder_, cursor, reportErrors, source);
    if (FAILED(result))
        return result;
    source->setOwner(this);
    result = setSource(index, std::move(source));
    if (FAILED(result))
        return result;
    ++totalImageSources_;
    return result;
}

HRESULT DisplayManager::parseWindows(XmlNode& cursor, std::int32_t index, std::int32_t reportErrors)
{
    platform::CriticalSectionGuard guard(lock_);
    HRESULT result = cursor.currentNameIs("Windows");
    if (SUCCEEDED(result))
        result = cursor.select("*");
    std::int32_t count = 0;
    if (SUCCEEDED(result))
        result = cursor.count(&count);
    if (FAILED(result) || count == 0)
        return result;
    result = setWindowCount(index, count);
    for (std::int32_t windowIndex = 0; SUCCEEDED(result) && cursor.getSelected(); ++windowIndex, cursor.next()) {
        XmlNode windowCursor(cursor.getSelected());
        WindowSpec spec;
        initBackground(spec.background);
        result = parseWindow(windowCursor, index, spec, reportErrors);
        if (SUCCEEDED(result))
            result = setWindow(index, windowIndex, spec);
    }
    return result;
}

HRESULT DisplayManager::parseWindow(XmlNode& cursor, std::int32_t index, WindowSpec& spec, std::int32_t reportErrors)
{
    platform::CriticalSectionGuard guard(lock_);
    std::string name;
    HRESULT result = cursor.getCurrentName(name);
    if (SUCCEEDED(result))
        result = parseScreenRect(cursor, spec, reportErrors);
    if (SUCCEEDED(result))
        result = getSource(index, &spec.imageSource);
    if (FAILED(result))
        return result;
    if (name == "ControlWindow")
        return parseControlWindow(cursor, spec, reportErrors);
    if (name == "ObserverWindow")
        return parseObserverWindow(cursor, spec, reportErrors);
    reportLayoutError(
        platform::formatText("Invalid Window Type (%s)", name.c_str()), kLayoutErrorCaption, reportErrors);
    return E_FAIL;
}

HRESULT DisplayManager::parseScreenRect(XmlNode& cursor, WindowSpec& spec, std::int32_t reportErrors)
{
    platform::CriticalSectionGuard guard(lock_);
    HRESULT result = cursor.select("ScreenRect");
    if (FAILED(result))
        return result;
    if (!cursor.getSelected()) {
        reportLayoutError("No ScreenRect in window", kLayoutErrorCaption, reportErrors);
        return E_FAIL;
    }
    XmlNode rectCursor(cursor.getSelected());
    FractionalRect& rect = spec.screenRect;
    result = readRectSide(rectCursor, "left", rect.left);
    if (SUCCEEDED(result))
        result = readRectSide(rectCursor, "top", rect.top);
    if (SUCCEEDED(result))
        result = readRectSide(rectCursor, "right", rect.right);
    if (SUCCEEDED(result))
        result = readRectSide(rectCursor, "bottom", rect.bottom);
    if (FAILED(result))
        return result;
    if (rect.isValid())
        return S_OK;
    if (reportErrors == 1)
        reportLayoutError(platform::formatText("Invalid Screen Rectangle (l=%lf, t=%lf, r=%lf, b=%lf)", rect.left,
                              rect.top, rect.right, rect.bottom),
            kLayoutErrorCaption, reportErrors);
    return E_FAIL;
}

HRESULT DisplayManager::parseControlWindow(XmlNode& cursor, WindowSpec& spec, std::int32_t)
{
    platform::CriticalSectionGuard guard(lock_);
    const HRESULT result = cursor.currentNameIs("ControlWindow");
    if (FAILED(result))
        return result;
    spec.kind = kControlWindowKind;
    spec.drawFlags = 0;
    spec.refresh = 0;
    ++totalControlWindows_;
    return S_OK;
}

HRESULT DisplayManager::parseObserverWindow(XmlNode& cursor, WindowSpec& spec, std::int32_t reportErrors)
{
    platform::CriticalSectionGuard guard(lock_);
    HRESULT result = cursor.currentNameIs("ObserverWindow");
    if (FAILED(result))
        return result;
    ImageSource* source = spec.imageSource;
    if (!source)
        return E_INVALIDARG;
    spec.kind = kObserverWindowKind;
    result = source->GetDefaultDrawRequest(&spec.drawFlags);
    if (SUCCEEDED(result))
        result = cursor.select("DrawRequest/arg");
    if (SUCCEEDED(result))
        result = forEachSelectedText(cursor,
            [&](const std::string& text) { return source->ParseDrawArgument(text, spec.drawFlags, reportErrors); });
    if (SUCCEEDED(result))
        result = cursor.readInt("Refresh", spec.refresh);
    if (SUCCEEDED(result))
        result = cursor.select("Background/arg");
    if (SUCCEEDED(result))
        result = forEachSelectedText(
            cursor, [&](const std::string& text) { return applyBackgroundArg(text, spec.background, reportErrors); });
    if (FAILED(result))
        return result;
    ++totalObserverWindows_;
    return S_OK;
}
