#include "com/CommandTable.h"

#include "dialogs/AboutBox.h"
#include "dialogs/ConvertCommand.h"
#include "dialogs/CurrencyCommand.h"
#include "dialogs/LookupCommands.h"

#include <iterator>

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

struct KeywordHandler {
    std::string_view keyword;
    void (*handler)(CPageContext& page, const CommandRow& row);
};

// The handler of each row of kCommandInfos, in its order.
constexpr KeywordHandler kHandlers[] = {
    {"CONFIG", OnPage<RunConfigCommand>},
    {"BOOK", Lookup<RunGenericLookupCommand>},
    {"CONVERT", Convert},
    {"CURRENCY", Currency},
    {"EMAIL", Lookup<RunEmailCommand>},
    {"ISBN", Lookup<RunIsbnCommand>},
    {"MOVIE", Lookup<RunGenericLookupCommand>},
    {"MUSIC", Lookup<RunGenericLookupCommand>},
    {"OTHER", Lookup<RunGenericLookupCommand>},
    {"SEARCH", Lookup<RunGenericLookupCommand>},
    {"STOCK", Lookup<RunStockCommand>},
    {"TRANSLATE", Lookup<RunTranslateCommand>},
    {"UPC", Lookup<RunUpcCommand>},
    {"URL", Lookup<RunUrlCommand>},
};

constexpr bool EveryCommandHasItsHandler() {
    if (std::size(kHandlers) != std::size(kCommandInfos))
        return false;
    for (std::size_t i = 0; i < std::size(kHandlers); ++i) {
        if (kHandlers[i].keyword != kCommandInfos[i].keyword)
            return false;
    }
    return true;
}
static_assert(EveryCommandHasItsHandler(),
              "each row of kCommandInfos needs its handler in kHandlers, in the same order");

} // namespace

const std::vector<CommandRow>& CommandTable() {
    static const std::vector<CommandRow> table = [] {
        std::vector<CommandRow> rows;
        for (std::size_t i = 0; i < std::size(kCommandInfos); ++i)
            rows.push_back(CommandRow{kCommandInfos[i], kHandlers[i].handler});
        return rows;
    }();
    return table;
}

} // namespace tandrel
