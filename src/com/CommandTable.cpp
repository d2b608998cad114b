#include "com/CommandTable.h"

#include "dialogs/AboutBox.h"
#include "dialogs/ConvertCommand.h"
#include "dialogs/CurrencyCommand.h"
#include "dialogs/LookupCommands.h"

#include <stdexcept>
#include <string>

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
    CommandHandler handler;
};

const std::vector<KeywordHandler>& Handlers() {
    static const std::vector<KeywordHandler> handlers = {
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
    return handlers;
}

// A command of the data table without a handler here is a slip in the source, never a state
// the module can meet at run time: it stops the first use of the table.
const CommandHandler& HandlerOf(std::string_view keyword) {
    for (const KeywordHandler& entry : Handlers()) {
        if (entry.keyword == keyword)
            return entry.handler;
    }
    throw std::logic_error("no handler for the menu command " + std::string(keyword));
}

} // namespace

const std::vector<CommandRow>& CommandTable() {
    static const std::vector<CommandRow> table = [] {
        std::vector<CommandRow> rows;
        for (const CommandInfo& info : CommandInfoTable())
            rows.push_back(CommandRow{info, HandlerOf(info.keyword)});
        return rows;
    }();
    return table;
}

} // namespace tandrel
