#pragma once
// The resource library with the shipped templates, loaded once for the whole suite,
// and a procedure that records what reaches it.
#include "dialogs/DialogProcedure.h"
#include "dialogs/DialogTemplate.h"
#include "dialogs/TemplateDialog.h"
#include "platform/ResourceLibrary.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

inline const platform::ResourceLibrary* shippedResources()
{
    static const std::unique_ptr<platform::ResourceLibrary> library = platform::ResourceLibrary::load();
    return library.get();
}

inline std::optional<dialogs::DialogTemplate> shippedTemplate(const std::string& name)
{
    const platform::ResourceLibrary* library = shippedResources();
    if (!library)
        return std::nullopt;
    return dialogs::DialogTemplate::parse(library->dialogTemplate(name));
}

class RecordingProcedure : public dialogs::DialogProcedure {
public:
    std::function<void(dialogs::TemplateDialog&)> onInit;
    std::function<void(dialogs::TemplateDialog&, int id, int code)> onCommand;
    std::function<void(dialogs::TemplateDialog&)> onClose;

    int inits = 0;
    QWidget* parameter = nullptr;
    std::vector<std::pair<int, int>> commands; // id, notification code
    int closeRequests = 0;

    void init(dialogs::TemplateDialog& dialog, QWidget* given) override
    {
        ++inits;
        parameter = given;
        if (onInit)
            onInit(dialog);
    }
    void command(dialogs::TemplateDialog& dialog, int id, int code) override
    {
        commands.emplace_back(id, code);
        if (onCommand)
            onCommand(dialog, id, code);
    }
    void closeRequested(dialogs::TemplateDialog& dialog) override
    {
        ++closeRequests;
        if (onClose)
            onClose(dialog);
    }
};

} // namespace testing_support
