#include "windows/WindowFactory.h"

#include "imagesource/WindowSpec.h"
#include "windows/ControlWindow.h"
#include "windows/ObserverWindow.h"
#include "windows/WindowRecord.h"
#include "windows/WindowRegistry.h"

#include <memory>

namespace {

std::unique_ptr<QWidget> makeWindow(QWidget* parent, const WindowSpec& spec)
{
    if (spec.kind == kObserverWindowKind)
        return std::make_unique<ObserverWindow>(parent, spec.refresh);
    return std::make_unique<ControlWindow>(parent, spec.imageSource);
}

} // namespace

HRESULT createWindow(QWidget* parent, const WindowSpec& spec)
{
    if (spec.kind != kObserverWindowKind && spec.kind != kControlWindowKind)
        return E_INVALIDARG;
    if (!parent)
        return E_INVALIDARG;
    std::unique_ptr<QWidget> window = makeWindow(parent, spec);
    QWidget* const shown = window.get();
    auto record = std::make_unique<WindowRecord>(std::move(window), parent, spec);
    WindowRecord* const placed = record.get();
    WindowRegistry::instance().addRecord(std::move(record));
    // Observer windows get their buffer here; control windows are simply put at their rectangle.
    placed->layoutPass();
    shown->show();
    return S_OK;
}

void setControlButtonText(QWidget* controlWindow, int index, const char* text)
{
    if (auto* control = qobject_cast<ControlWindow*>(controlWindow))
        control->setButtonText(index, text);
}
