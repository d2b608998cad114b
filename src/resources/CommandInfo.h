// The fourteen menu commands as data, one row each: what the browser's menus show, the script
// page that hands the keyword to Click, and the entries and help page the command uses. Every
// part of the system that names a command reads this table: the menu registration, the
// configuration checker, the extension's menu call and the tandrel tool; the COM layer attaches
// the handler that runs each row (com/CommandTable.h). A new command is one more row here, its
// texts in the string table and its handler there.
#pragma once

#include <string_view>
#include <vector>

namespace tandrel {

/// One menu command, without the code that runs it.
struct CommandInfo {
    std::string_view keyword;       ///< what the script page passes to Click ("ISBN"); ASCII
    int menuTextId;                 ///< menu text, also the name of the right-click menu key
    int statusTextId;               ///< status-bar help of the Tools-menu item
    std::string_view pageFile;      ///< the script page written beside the module
    std::string_view toolsIdDigits; ///< last two hex digits of the Tools-menu item's id
    std::string_view linkPrefix;    ///< section prefix of the entries it lists; empty: none
    std::string_view helpEntry;     ///< the system entry its Help button runs
    int captionId = 0;              ///< generic lookups: the group box around the edit field
    int listTextId = 0;             ///< generic lookups: the text above the site list
};

/// The commands in dispatch and registration order.
const std::vector<CommandInfo>& CommandInfoTable();

/// The section prefixes of the link entries the commands list, in table order.
std::vector<std::string_view> LinkPrefixes();

} // namespace tandrel
