#include "dialogs/LookupCommands.h"

#include "common/Messages.h"
#include "config/LinkList.h"
#include "dialogs/DialogHost.h"
#include "recognizers/Recognizers.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "runner/EntryRunner.h"

namespace tandrel {

namespace {

/// How a command fills its edit box, if it has one.
using TextSource = std::optional<std::u16string> (*)(CPageContext& page);

std::u16string OrCollapsedSelection(const std::u16string& found, const CPageContext& page) {
    return found.empty() ? page.GetCollapsedSelection() : found;
}

std::optional<std::u16string> IsbnText(CPageContext& page) {
    return OrCollapsedSelection(page.IsbnFromContext(), page);
}

std::optional<std::u16string> UpcText(CPageContext& page) {
    return OrCollapsedSelection(page.UpcFromContext(), page);
}

// A keyword search looks for the words selected; only a code in the selection itself beats
// them, never digits that happen to be in the page's address.
std::optional<std::u16string> KeywordText(CPageContext& page) {
    return OrCollapsedSelection(page.UpcFromSelection(), page);
}

std::optional<std::u16string> StockText(CPageContext& page) {
    return page.StockSymbolFromContext();
}

std::optional<std::u16string> NoText(CPageContext&) {
    return std::nullopt;
}

struct LookupDialog {
    int templateId;
    TextSource source;
    TextCheck check;
};

// The steps every lookup command takes once it may go on.
void RunLookup(CPageContext& page, const LookupTexts& texts, const LookupDialog& dialog) {
    CLinkList links;
    LoadLinks(links, texts.prefix, false);
    SiteListRequest request{dialog.templateId, &links,          dialog.source(page),
                            dialog.check,      texts.captionId, texts.labelId};
    switch (CurrentDialogs().ShowSiteList(request)) {
    case kIdOk:
        // Every tick is saved, ticked or not, before anything runs.
        links.SaveSelections();
        if (request.text)
            page.SetSelection(*request.text);
        RunChosenEntries(links, page);
        break;
    case IDC_HELP_BUTTON:
        RunSystemEntry(page, texts.helpEntry);
        break;
    default:
        break;
    }
}

} // namespace

std::optional<std::u16string> AcceptIsbn(std::u16string_view text) {
    if (std::optional<std::u16string> isbn = FindIsbn10(text))
        return isbn;
    if (std::optional<std::u16string> ean = FindEan13(text))
        return IsbnOfEan13(*ean);
    return std::nullopt;
}

std::optional<std::u16string> AcceptUpc(std::u16string_view text) {
    if (std::optional<std::u16string> upc = FindUpc12(text))
        return upc;
    return FindShortUpc(text);
}

std::optional<std::u16string> AcceptStockSymbol(std::u16string_view text) {
    constexpr std::u16string_view kEnds = u"\r\n \t";
    std::size_t first = text.find_first_not_of(kEnds);
    if (first == std::u16string_view::npos)
        return std::nullopt;
    std::size_t last = text.find_last_not_of(kEnds);
    return std::u16string(text.substr(first, last - first + 1));
}

void RunIsbnCommand(CPageContext& page, const LookupTexts& texts) {
    RunLookup(page, texts, {IDD_ASK_ISBN, IsbnText, {AcceptIsbn, ids::kInvalidIsbn}});
}

void RunUpcCommand(CPageContext& page, const LookupTexts& texts) {
    RunLookup(page, texts, {IDD_ASK_UPC, UpcText, {AcceptUpc, ids::kInvalidUpc}});
}

void RunStockCommand(CPageContext& page, const LookupTexts& texts) {
    RunLookup(page, texts,
              {IDD_ASK_STOCK, StockText, {AcceptStockSymbol, ids::kStockSymbolRequired}});
}

void RunGenericLookupCommand(CPageContext& page, const LookupTexts& texts) {
    RunLookup(page, texts, {IDD_ASK_OTHER, KeywordText, {}});
}

void RunEmailCommand(CPageContext& page, const LookupTexts& texts) {
    RunLookup(page, texts, {IDD_ASK_EMAIL, NoText, {}});
}

void RunTranslateCommand(CPageContext& page, const LookupTexts& texts) {
    // A host without a dot (a machine on the local network, or none for a file) is out of reach
    // of the translation services: ask before anything is loaded.
    if (page.GetFrameHostName().find(u'.') == std::u16string::npos &&
        ShowMessageId(0, ids::kTranslateOffline, ids::kProductName,
                      kMbIconExclamation | kMbYesNo | kMbDefaultButton2) != kIdYes)
        return;
    RunLookup(page, texts, {IDD_ASK_TRANSLATE, NoText, {}});
}

void RunUrlCommand(CPageContext& page, const LookupTexts& texts) {
    RunLookup(page, texts, {IDD_ASK_URL, NoText, {}});
}

} // namespace tandrel
