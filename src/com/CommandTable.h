// The fourteen menu commands, one row each: what the browser's menus show, the script page that
// hands the keyword to Click, the handler that runs, and the entries and help page it uses.
// Everything that names a command reads this table: the keyword dispatch, the menu registration,
// the configuration checker and the tandrel tool. A new command is one more row here (and its
// texts in the string table).
#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace tandrel {

class CPageContext;
struct CommandRow;

/// Runs a whole command inside Click (dialog, remembered choices, chosen entries), with the row
/// that chose it for its prefix, texts and help entry.
using CommandHandler = std::function<void(CPageContext& page, const CommandRow& row)>;

/// One menu command.
struct CommandRow {
    std::string_view keyword;       ///< what the script page passes to Click ("ISBN"); ASCII
    int menuTextId;                 ///< menu text, also the name of the right-click menu key
    int statusTextId;               ///< status-bar help of the Tools-menu item
    std::string_view pageFile;      ///< the script page written beside the module
    std::string_view toolsIdDigits; ///< last two hex digits of the Tools-menu item's id
    std::string_view linkPrefix;    ///< section prefix of the entries it lists; empty: none
    std::string_view helpEntry;     ///< the system entry its Help button runs
    CommandHandler handler;
    int captionId = 0;  ///< generic lookups: the group box around the edit field
    int listTextId = 0; ///< generic lookups: the text above the site list
};

/// The commands in dispatch and registration order.
const std::vector<CommandRow>& CommandTable();

/// The section prefixes of the link entries the commands list, in table order.
std::vector<std::string_view> LinkPrefixes();

} // namespace tandrel
