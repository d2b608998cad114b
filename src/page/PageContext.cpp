#include "page/PageContext.h"

#include "common/Platform.h"
#include "page/HiddenMarkup.h"
#include "page/HostDomain.h"
#include "recognizers/Recognizers.h"

#include <utility>

namespace tandrel {

namespace {

// The ISBN of an EAN-13 (IsbnOfEan13); only the first EAN-13 of the text is looked at.
std::optional<std::u16string> IsbnOfEan(std::u16string_view text) {
    std::optional<std::u16string> ean = FindEan13(text);
    return ean ? IsbnOfEan13(*ean) : std::nullopt;
}

// A read that fails or answers nothing leaves the field as it is.
void Take(std::u16string& field, const std::optional<std::u16string>& value) {
    if (value)
        field = *value;
}

// A host name is letters, digits, dots and hyphens, never first a hyphen; a page that names its
// host "-t.attacker.example" would otherwise hand a program an option ("ping !H") or a path. No
// name resolves that begins so: such a host is taken as none.
void KeepOnlyHostNames(std::u16string& host) {
    if (!host.empty() && (host.front() == u'-' || host.front() == u'/' || host.front() == u'\\'))
        host.clear();
}

} // namespace

bool IsWideSpace(char16_t ch) {
    return (ch >= 0x09 && ch <= 0x0D) || ch == 0x20 || ch == 0x85 || ch == 0xA0 || ch == 0x1680 ||
           (ch >= 0x2000 && ch <= 0x200A) || ch == 0x2028 || ch == 0x2029 || ch == 0x202F ||
           ch == 0x205F || ch == 0x3000;
}

HResult CPageContext::Load(BrowserWindowPtr frame) {
    if (!frame)
        return kNoInterface;
    BrowserWindowPtr top;
    HResult hr = frame->GetTop(top);
    if (Failed(hr))
        return hr;
    if (!top)
        return kFail;
    frame_ = std::move(frame);
    top_ = std::move(top);

    LoadScreenSize();
    Take(frameName_, frame_->GetName());
    Take(topName_, top_->GetName());
    Take(frameAddress_, frame_->GetHref());
    Take(topAddress_, top_->GetHref());
    Take(frameHostName_, frame_->GetHostName());
    Take(topHostName_, top_->GetHostName());
    KeepOnlyHostNames(frameHostName_);
    KeepOnlyHostNames(topHostName_);
    Take(frameTitle_, frame_->GetTitle());
    Take(topTitle_, top_->GetTitle());
    if (std::optional<SelectionText> selection = frame_->GetSelection()) {
        Take(selectionText_, selection->text);
        Take(selectionHtml_, selection->html);
    }
    shownHtml_.reset();
    return kOk;
}

void CPageContext::LoadScreenSize() {
    availableWidth_ = 640;
    availableHeight_ = 480;
    if (std::optional<ScreenSize> screen = top_->GetScreenSize()) {
        availableWidth_ = screen->width;
        availableHeight_ = screen->height;
    } else if (std::optional<WorkArea> area = CurrentPlatform().ui->GetWorkArea()) {
        availableWidth_ = area->width;
        availableHeight_ = area->height;
    }
}

std::u16string CPageContext::GetCollapsedSelection() const {
    std::u16string collapsed;
    collapsed.reserve(selectionText_.size());
    bool spacePending = false;
    for (char16_t ch : selectionText_) {
        if (IsWideSpace(ch)) {
            spacePending = true;
            continue;
        }
        if (spacePending && !collapsed.empty())
            collapsed += u' ';
        collapsed += ch;
        spacePending = false;
    }
    return collapsed;
}

std::u16string CPageContext::GetFrameDomain() const {
    return DomainOfHost(frameHostName_);
}

std::u16string CPageContext::GetTopDomain() const {
    return DomainOfHost(topHostName_);
}

const CCurrency* CPageContext::GetFromCurrency() {
    if (!fromCurrencyKnown_) {
        fromCurrency_ =
            GuessCurrency(TopLevelLabelOr(frameHostName_, u"com"), selectionText_, "USD");
        fromCurrencyKnown_ = true;
    }
    return fromCurrency_;
}

const CCurrency* CPageContext::GetToCurrency() {
    if (!toCurrencyKnown_) {
        std::optional<std::string> symbol = CurrentPlatform().locale->InternationalCurrencySymbol();
        toCurrency_ = symbol ? FindCurrency(*symbol) : nullptr;
        if (!toCurrency_)
            toCurrency_ = FindCurrency("USD");
        toCurrencyKnown_ = true;
    }
    return toCurrency_;
}

void CPageContext::SetFromCurrency(const CCurrency* currency) {
    fromCurrency_ = currency;
    fromCurrencyKnown_ = true;
}

void CPageContext::SetToCurrency(const CCurrency* currency) {
    toCurrency_ = currency;
    toCurrencyKnown_ = true;
}

std::u16string CPageContext::CurrencyAmount() const {
    return ReadCurrencyAmount(selectionText_);
}

const std::u16string& CPageContext::ShownHtml() {
    if (!shownHtml_)
        shownHtml_ = WithoutHiddenElements(selectionHtml_);
    return *shownHtml_;
}

std::u16string CPageContext::IsbnFromContext() {
    if (!isbnKnown_) {
        // Each source is tried for both kinds of number before the next source. Of the markup,
        // only what the page shows counts: a number it hides is no number its reader chose.
        using Finder = std::optional<std::u16string> (*)(std::u16string_view);
        const std::u16string& shownHtml = ShownHtml();
        const std::pair<const std::u16string*, Finder> steps[] = {
            {&selectionText_, FindIsbn10}, {&shownHtml, FindIsbn10},
            {&selectionText_, IsbnOfEan},  {&shownHtml, IsbnOfEan},
            {&frameAddress_, FindIsbn10},  {&frameAddress_, IsbnOfEan},
            {&topAddress_, FindIsbn10},    {&topAddress_, IsbnOfEan}};
        isbn_.clear();
        for (const auto& [source, find] : steps) {
            if (std::optional<std::u16string> found = find(*source)) {
                isbn_ = *found;
                break;
            }
        }
        isbnKnown_ = true;
    }
    return isbn_;
}

std::u16string CPageContext::UpcFromContext() {
    if (!upcKnown_) {
        // Each finder is tried on every source before the next, looser finder; of the markup,
        // only what the page shows.
        const std::u16string& shownHtml = ShownHtml();
        const std::u16string* sources[] = {&selectionText_, &shownHtml, &frameAddress_,
                                           &topAddress_};
        upc_ = [&]() -> std::u16string {
            for (CodeFinder find : kUpcFinders) {
                for (const std::u16string* source : sources) {
                    if (std::optional<std::u16string> found = find(*source))
                        return *found;
                }
            }
            return {};
        }();
        upcKnown_ = true;
    }
    return upc_;
}

std::u16string CPageContext::UpcFromSelection() const {
    for (CodeFinder find : kUpcFinders) {
        if (std::optional<std::u16string> found = find(selectionText_))
            return *found;
    }
    return {};
}

std::u16string CPageContext::StockSymbolFromContext() const {
    return FindStockSymbol(selectionText_);
}

} // namespace tandrel
