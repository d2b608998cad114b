#include "com/CommandDispatch.h"

#include "com/Commands.h"
#include "common/Platform.h"
#include "resources/StringIds.h"

namespace tandrel {

namespace {

const std::vector<Command>* installedCommands = nullptr;

CommandHandler Generic(GenericLookup lookup) {
    return [lookup](CPageContext& page) {
        RunGenericLookupCommand(page, lookup);
    };
}

} // namespace

std::vector<Command> ProductCommands() {
    return {
        {u"CONFIG", RunConfigCommand},
        {u"BOOK", Generic({"BOOK:", ids::kLookupBook, ids::kLookupAtOneOrMore, "SYSTEM:HelpBook"})},
        {u"CONVERT", RunConvertCommand},
        {u"CURRENCY", RunCurrencyCommand},
        {u"EMAIL", RunEmailCommand},
        {u"ISBN", RunIsbnCommand},
        {u"MOVIE",
         Generic({"MOVIE:", ids::kLookupMovie, ids::kLookupAtOneOrMore, "SYSTEM:HelpMovie"})},
        {u"MUSIC",
         Generic({"MUSIC:", ids::kLookupMusic, ids::kLookupAtOneOrMore, "SYSTEM:HelpMusic"})},
        {u"OTHER",
         Generic({"OTHER:", ids::kLookupUsingSelection, ids::kLookupDoOneOf, "SYSTEM:HelpOther"})},
        {u"SEARCH",
         Generic({"SEARCH:", ids::kLookupSearchFor, ids::kLookupAtOneOrMore, "SYSTEM:HelpSearch"})},
        {u"STOCK", RunStockCommand},
        {u"TRANSLATE", RunTranslateCommand},
        {u"UPC", RunUpcCommand},
        {u"URL", RunUrlCommand},
    };
}

void RunCommand(BrowserWindowPtr window, const char16_t* keyword,
                const std::vector<Command>& commands) {
    constexpr std::uint32_t kStopBeep = kMbIconHand;
    const std::u16string requested = keyword ? std::u16string(keyword) : std::u16string();
    CPageContext page;
    if (Failed(page.Load(std::move(window)))) {
        CurrentPlatform().ui->Beep(kStopBeep);
        return;
    }
    if (keyword) {
        for (const Command& command : commands) {
            if (command.keyword == requested) {
                command.handler(page);
                return;
            }
        }
    }
    CurrentPlatform().ui->Beep(kStopBeep);
}

const std::vector<Command>& ActiveCommands() {
    static const std::vector<Command> product = ProductCommands();
    return installedCommands ? *installedCommands : product;
}

ScopedCommands::ScopedCommands(std::vector<Command> commands)
    : previous_(installedCommands), commands_(std::move(commands)) {
    installedCommands = &commands_;
}

ScopedCommands::~ScopedCommands() {
    installedCommands = previous_;
}

} // namespace tandrel
