#include "com/CommandTable.h"

#include "dialogs/AboutBox.h"
#include "dialogs/ConvertCommand.h"
#include "dialogs/CurrencyCommand.h"
#include "dialogs/LookupCommands.h"
#include "resources/StringIds.h"

namespace tandrel {

namespace {

// A handler that needs the page only.
template <void (*Handler)(CPageContext&)> void OnPage(CPageContext& page, const CommandRow&) {
    Handler(page);
}

// A lookup command, with the prefix, help entry and texts of its row.
template <void (*Handler)(CPageContext&, const LookupTexts&)>
void Lookup(CPageContext& page, const CommandRow& row) {
    Handler(page, LookupTexts{row.linkPrefix, row.helpEntry, row.captionId, row.listTextId});
}

void Convert(CPageContext& page, const CommandRow& row) {
    RunConvertCommand(page, row.helpEntry);
}

void Currency(CPageContext& page, const CommandRow& row) {
    RunCurrencyCommand(page, row.linkPrefix, row.helpEntry);
}

} // namespace

const std::vector<CommandRow>& CommandTable() {
    using namespace ids;
    // keyword, menu text, status text, page, tools id, prefix, help entry, handler[, texts]
    static const std::vector<CommandRow> table = {
        {"CONFIG", kMenuConfig, kStatusConfig, "config.htm", "F0", "", "SYSTEM:HelpHome",
         OnPage<RunConfigCommand>},
        {"BOOK", kMenuBook, kStatusBook, "book.htm", "E0", "BOOK:", "SYSTEM:HelpBook",
         Lookup<RunGenericLookupCommand>, kLookupBook, kLookupAtOneOrMore},
        {"CONVERT", kMenuConvert, kStatusConvert, "convert.htm", "D0", "", "SYSTEM:HelpUnits",
         Convert},
        {"CURRENCY", kMenuCurrency, kStatusCurrency, "currency.htm", "C0",
         "CURRENCY:", "SYSTEM:HelpCurrency", Currency},
        {"EMAIL", kMenuEmail, kStatusEmail, "email.htm", "B0", "EMAIL:", "SYSTEM:HelpEmail",
         Lookup<RunEmailCommand>},
        {"ISBN", kMenuIsbn, kStatusIsbn, "isbn.htm", "A0", "ISBN:", "SYSTEM:HelpISBN",
         Lookup<RunIsbnCommand>},
        {"MOVIE", kMenuMovie, kStatusMovie, "movie.htm", "90", "MOVIE:", "SYSTEM:HelpMovie",
         Lookup<RunGenericLookupCommand>, kLookupMovie, kLookupAtOneOrMore},
        {"MUSIC", kMenuMusic, kStatusMusic, "music.htm", "80", "MUSIC:", "SYSTEM:HelpMusic",
         Lookup<RunGenericLookupCommand>, kLookupMusic, kLookupAtOneOrMore},
        {"OTHER", kMenuOther, kStatusOther, "other.htm", "70", "OTHER:", "SYSTEM:HelpOther",
         Lookup<RunGenericLookupCommand>, kLookupUsingSelection, kLookupDoOneOf},
        {"SEARCH", kMenuSearch, kStatusSearch, "search.htm", "65", "SEARCH:", "SYSTEM:HelpSearch",
         Lookup<RunGenericLookupCommand>, kLookupSearchFor, kLookupAtOneOrMore},
        {"STOCK", kMenuStock, kStatusStock, "stock.htm", "60", "STOCK:", "SYSTEM:HelpStock",
         Lookup<RunStockCommand>},
        {"TRANSLATE", kMenuTranslate, kStatusTranslate, "translate.htm", "50",
         "TRANSLATE:", "SYSTEM:HelpTranslate", Lookup<RunTranslateCommand>},
        {"UPC", kMenuUpc, kStatusUpc, "upc.htm", "40", "UPC:", "SYSTEM:HelpUPC",
         Lookup<RunUpcCommand>},
        {"URL", kMenuUrl, kStatusUrl, "url.htm", "30", "URL:", "SYSTEM:HelpURL",
         Lookup<RunUrlCommand>},
    };
    return table;
}

std::vector<std::string_view> LinkPrefixes() {
    std::vector<std::string_view> prefixes;
    for (const CommandRow& row : CommandTable()) {
        if (!row.linkPrefix.empty())
            prefixes.push_back(row.linkPrefix);
    }
    return prefixes;
}

} // namespace tandrel
