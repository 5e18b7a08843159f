#pragma once
// The initial combo lists the resource library keeps for a dialog (`<DIALOG>_COMBOLISTS`,
// docs/resource-format.md). Building a dialog does not apply them, as on the platform
// the templates come from: a procedure that wants them fills its combos from here with
// TemplateDialog::setComboItems.
#include <QByteArray>

#include <map>
#include <string>
#include <vector>

namespace platform {
class ResourceLibrary;
}

namespace dialogs {

class InitialComboLists {
public:
    // The lists of dialog `dialogName`; empty when the library has none for it.
    static InitialComboLists load(const platform::ResourceLibrary* library, const std::string& dialogName);
    // Empty when `xml` is not a `DialogInit` document.
    static InitialComboLists parse(const QByteArray& xml);

    // Combo id to its items in order.
    const std::map<int, std::vector<std::string>>& lists() const { return lists_; }

private:
    std::map<int, std::vector<std::string>> lists_;
};

} // namespace dialogs
