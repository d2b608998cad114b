#include "Subcommands.h"

#include "common/TextConversion.h"
#include "page/PageContext.h"
#include "recognizers/Recognizers.h"

#include <ostream>

namespace tandrel::tool {

namespace {

using TextFinder = std::optional<std::u16string> (*)(std::u16string_view);

std::optional<std::u16string> StockSymbolOf(std::u16string_view text) {
    std::u16string symbol = FindStockSymbol(text);
    if (symbol.empty())
        return std::nullopt;
    return symbol;
}

struct TextKind {
    const char* name;
    TextFinder find;
};

constexpr TextKind kTextKinds[] = {
    {"isbn10", FindIsbn10},  {"ean13", FindEan13},        {"ean-to-isbn10", EanToIsbn10},
    {"upc12", FindUpc12},    {"short-upc", FindShortUpc}, {"complete-upc11", CompleteUpc11},
    {"stock", StockSymbolOf}};

// The page's own recognisers; none is an empty answer.
std::optional<std::u16string> FromPage(const std::string& kind, CPageContext& page) {
    std::u16string found;
    if (kind == "context-isbn")
        found = page.IsbnFromContext();
    else if (kind == "context-upc")
        found = page.UpcFromContext();
    else
        found = page.StockSymbolFromContext();
    if (found.empty())
        return std::nullopt;
    return found;
}

} // namespace

int RunFind(ToolContext& context) {
    const std::vector<std::string>& args = context.arguments;
    if (args.empty())
        throw UsageError{"find takes a KIND and, for a text kind, an optional TEXT"};
    const std::string& kind = args.front();
    bool pageKind = kind == "context-isbn" || kind == "context-upc" || kind == "context-stock";
    const TextKind* textKind = nullptr;
    for (const TextKind& candidate : kTextKinds) {
        if (kind == candidate.name)
            textKind = &candidate;
    }
    if (!pageKind && !textKind)
        throw UsageError{"find: unknown KIND " + kind};
    if (args.size() > (pageKind ? 1u : 2u))
        throw UsageError{pageKind ? "find " + kind + " takes no TEXT"
                                  : "find " + kind + " takes at most one TEXT"};

    CPageContext page;
    if (Failed(page.Load(context.frame)))
        return kExitNotFound;
    std::optional<std::u16string> found;
    if (pageKind)
        found = FromPage(kind, page);
    else
        found = textKind->find(args.size() == 2 ? Utf8ToWide(args[1]) : page.GetSelection());
    if (!found)
        return kExitNotFound;
    *context.out << WideToUtf8(*found) << "\n";
    return kExitSuccess;
}

} // namespace tandrel::tool
