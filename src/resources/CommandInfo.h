// The fourteen menu commands as data, one row each: what the browser's menus show, the script
// page that hands the keyword to Click, and the entries and help page the command uses. Every
// part of the system that names a command reads this table: the menu registration, the
// configuration checker, the extension's menu call and the tandrel tool; the COM layer attaches
// the handler that runs each row (com/CommandTable.h). A new command is one more row here, its
// texts in the string table and its handler there.
#pragma once

#include "resources/StringIds.h"

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
inline constexpr CommandInfo kCommandInfos[] = {
    // keyword, menu text, status text, page, tools id, prefix, help entry[, caption, list text]
    {"CONFIG", ids::kMenuConfig, ids::kStatusConfig, "config.htm", "F0", "", "SYSTEM:HelpHome"},
    {"BOOK", ids::kMenuBook, ids::kStatusBook, "book.htm", "E0", "BOOK:", "SYSTEM:HelpBook",
     ids::kLookupBook, ids::kLookupAtOneOrMore},
    {"CONVERT", ids::kMenuConvert, ids::kStatusConvert, "convert.htm", "D0", "",
     "SYSTEM:HelpUnits"},
    {"CURRENCY", ids::kMenuCurrency, ids::kStatusCurrency, "currency.htm", "C0",
     "CURRENCY:", "SYSTEM:HelpCurrency"},
    {"EMAIL", ids::kMenuEmail, ids::kStatusEmail, "email.htm", "B0", "EMAIL:", "SYSTEM:HelpEmail"},
    {"ISBN", ids::kMenuIsbn, ids::kStatusIsbn, "isbn.htm", "A0", "ISBN:", "SYSTEM:HelpISBN"},
    {"MOVIE", ids::kMenuMovie, ids::kStatusMovie, "movie.htm", "90", "MOVIE:", "SYSTEM:HelpMovie",
     ids::kLookupMovie, ids::kLookupAtOneOrMore},
    {"MUSIC", ids::kMenuMusic, ids::kStatusMusic, "music.htm", "80", "MUSIC:", "SYSTEM:HelpMusic",
     ids::kLookupMusic, ids::kLookupAtOneOrMore},
    {"OTHER", ids::kMenuOther, ids::kStatusOther, "other.htm", "70", "OTHER:", "SYSTEM:HelpOther",
     ids::kLookupUsingSelection, ids::kLookupDoOneOf},
    {"SEARCH", ids::kMenuSearch, ids::kStatusSearch, "search.htm", "65",
     "SEARCH:", "SYSTEM:HelpSearch", ids::kLookupSearchFor, ids::kLookupAtOneOrMore},
    {"STOCK", ids::kMenuStock, ids::kStatusStock, "stock.htm", "60", "STOCK:", "SYSTEM:HelpStock"},
    {"TRANSLATE", ids::kMenuTranslate, ids::kStatusTranslate, "translate.htm", "50",
     "TRANSLATE:", "SYSTEM:HelpTranslate"},
    {"UPC", ids::kMenuUpc, ids::kStatusUpc, "upc.htm", "40", "UPC:", "SYSTEM:HelpUPC"},
    {"URL", ids::kMenuUrl, ids::kStatusUrl, "url.htm", "30", "URL:", "SYSTEM:HelpURL"},
};

/// The section prefixes of the link entries the commands list, in table order.
inline std::vector<std::string_view> LinkPrefixes() {
    std::vector<std::string_view> prefixes;
    for (const CommandInfo& command : kCommandInfos) {
        if (!command.linkPrefix.empty())
            prefixes.push_back(command.linkPrefix);
    }
    return prefixes;
}

} // namespace tandrel
