// The fourteen browser menu entries: for the registering user, a right-click menu key and a
// Tools-menu key per entry, each pointing to a small script page written beside the module.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tandrel {

/// One row of the fixed menu table.
struct CMenuRegistration {
    std::string toolsId;    ///< class-id-shaped key name of the Tools-menu item
    int menuTextId;         ///< menu text, also the right-click key's name
    int statusTextId;       ///< status-bar help of the Tools-menu item
    std::string pageFile;   ///< script page file name in the module's folder
    std::uint32_t contexts; ///< right-click menu contexts mask
    int scriptResource;     ///< script template resource ("SCRIPT")
    std::string keyword;    ///< command keyword the page passes to Click
    std::string secondArgument;
    std::string thirdArgument;
};

/// The menu table in registration order: one row per command of the command table.
std::vector<CMenuRegistration> MenuTable();

/// The text of one script page: the template with "!1", "!2" and "!3" replaced by the keyword and
/// the second and third arguments.
std::string ScriptPageText(const std::string& scriptTemplate, const CMenuRegistration& row);

/// The module's folder, with its trailing backslash.
std::u16string ModuleFolder();

/// Installs (or removes) every row of the menu table, in table order. Nothing is reported: a
/// step that fails is skipped and the next one runs.
void RegisterMenus(bool install);

/// The same for the current user alone, which needs no administrator once the class is
/// registered: installing writes the user's keys (and the pages, where the user may); removing
/// takes only the user's keys and leaves the pages, which the other users of the folder share.
void RegisterUserMenus(bool install);

} // namespace tandrel
