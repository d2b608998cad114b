#include "resources/CommandInfo.h"

#include "resources/StringIds.h"

namespace tandrel {

const std::vector<CommandInfo>& CommandInfoTable() {
    using namespace ids;
    // keyword, menu text, status text, page, tools id, prefix, help entry[, caption, list text]
    static const std::vector<CommandInfo> table = {
        {"CONFIG", kMenuConfig, kStatusConfig, "config.htm", "F0", "", "SYSTEM:HelpHome"},
        {"BOOK", kMenuBook, kStatusBook, "book.htm", "E0", "BOOK:", "SYSTEM:HelpBook", kLookupBook,
         kLookupAtOneOrMore},
        {"CONVERT", kMenuConvert, kStatusConvert, "convert.htm", "D0", "", "SYSTEM:HelpUnits"},
        {"CURRENCY", kMenuCurrency, kStatusCurrency, "currency.htm", "C0",
         "CURRENCY:", "SYSTEM:HelpCurrency"},
        {"EMAIL", kMenuEmail, kStatusEmail, "email.htm", "B0", "EMAIL:", "SYSTEM:HelpEmail"},
        {"ISBN", kMenuIsbn, kStatusIsbn, "isbn.htm", "A0", "ISBN:", "SYSTEM:HelpISBN"},
        {"MOVIE", kMenuMovie, kStatusMovie, "movie.htm", "90", "MOVIE:", "SYSTEM:HelpMovie",
         kLookupMovie, kLookupAtOneOrMore},
        {"MUSIC", kMenuMusic, kStatusMusic, "music.htm", "80", "MUSIC:", "SYSTEM:HelpMusic",
         kLookupMusic, kLookupAtOneOrMore},
        {"OTHER", kMenuOther, kStatusOther, "other.htm", "70", "OTHER:", "SYSTEM:HelpOther",
         kLookupUsingSelection, kLookupDoOneOf},
        {"SEARCH", kMenuSearch, kStatusSearch, "search.htm", "65", "SEARCH:", "SYSTEM:HelpSearch",
         kLookupSearchFor, kLookupAtOneOrMore},
        {"STOCK", kMenuStock, kStatusStock, "stock.htm", "60", "STOCK:", "SYSTEM:HelpStock"},
        {"TRANSLATE", kMenuTranslate, kStatusTranslate, "translate.htm", "50",
         "TRANSLATE:", "SYSTEM:HelpTranslate"},
        {"UPC", kMenuUpc, kStatusUpc, "upc.htm", "40", "UPC:", "SYSTEM:HelpUPC"},
        {"URL", kMenuUrl, kStatusUrl, "url.htm", "30", "URL:", "SYSTEM:HelpURL"},
    };
    return table;
}

std::vector<std::string_view> LinkPrefixes() {
    std::vector<std::string_view> prefixes;
    for (const CommandInfo& command : CommandInfoTable()) {
        if (!command.linkPrefix.empty())
            prefixes.push_back(command.linkPrefix);
    }
    return prefixes;
}

} // namespace tandrel
