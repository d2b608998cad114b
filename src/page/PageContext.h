// The page under the user's mouse for one command: the frame window the command came from and
// its top-level window, the selection, addresses, host names, titles and names of both, and the
// usable screen size. Loaded once at the start of a command and served to everyone after.
#pragma once

#include "conversions/Currency.h"
#include "page/BrowserWindow.h"

#include <optional>
#include <string>

namespace tandrel {

class CPageContext {
public:
    /// Fills the context from the window the command came from. Fails (and leaves the context
    /// unusable) only when there is no window or its top-level window cannot be reached; every
    /// other missing read leaves its field empty or at its default. A host name that begins with
    /// a hyphen or a slash is no host name: it is left empty, so that no macro hands it to a
    /// program as an option or a path.
    HResult Load(BrowserWindowPtr frame);

    BrowserWindowPtr GetTopWindow() const { return top_; }
    BrowserWindowPtr GetFrameWindow() const { return frame_; }

    std::u16string GetSelection() const { return selectionText_; }
    std::u16string GetSelectionHtml() const { return selectionHtml_; }
    std::u16string GetFrameAddress() const { return frameAddress_; }
    std::u16string GetFrameName() const { return frameName_; }
    std::u16string GetFrameHostName() const { return frameHostName_; }
    std::u16string GetFrameTitle() const { return frameTitle_; }
    std::u16string GetTopAddress() const { return topAddress_; }
    std::u16string GetTopName() const { return topName_; }
    std::u16string GetTopHostName() const { return topHostName_; }
    std::u16string GetTopTitle() const { return topTitle_; }
    std::int32_t GetAvailableWidth() const { return availableWidth_; }
    std::int32_t GetAvailableHeight() const { return availableHeight_; }

    /// The selection with leading and trailing white space removed and every inner run of white
    /// space replaced by one space.
    std::u16string GetCollapsedSelection() const;

    /// Replaces the selection text with the text the user confirmed; the HTML stays as loaded.
    void SetSelection(const std::u16string& text) { selectionText_ = text; }

    /// The registrable domains of the frame's and the top window's host names (DomainOfHost).
    std::u16string GetFrameDomain() const;
    std::u16string GetTopDomain() const;

    /// The currency of the selected amount: the one the selection names (by code, then by
    /// symbol), else the one of the frame's top-level domain ("com" for a host without a dot),
    /// else USD. Guessed on first use, once per command, unless set.
    const CCurrency* GetFromCurrency();
    /// The currency of the user's locale, else USD. Asked for on first use, once per command,
    /// unless set.
    const CCurrency* GetToCurrency();
    /// Replace the guesses with the user's choice for the rest of the command.
    void SetFromCurrency(const CCurrency* currency);
    void SetToCurrency(const CCurrency* currency);
    /// The amount in the selection text (ReadCurrencyAmount).
    std::u16string CurrencyAmount() const;

    /// The ISBN-10 the page offers: an ISBN-10, then an EAN-13 beginning 978 converted, looked
    /// for in the selection text and HTML (without the elements it marks hidden:
    /// WithoutHiddenElements), then in the frame's and the top's address (FindIsbn10,
    /// FindEan13 with IsbnOfEan13: an EAN-13 beginning 979 is kept whole); empty when none. Found
    /// on first use, once per command.
    std::u16string IsbnFromContext();
    /// The UPC-A the page offers: FindUpc12, then FindShortUpc, then CompleteUpc11, each on the
    /// selection text and HTML (without its hidden elements) and the frame's and the top's
    /// address; empty when none. Found on first use, once per command.
    std::u16string UpcFromContext();
    /// The UPC-A the selection text itself holds: the finders of UpcFromContext on the selection
    /// text alone; empty when none. The keyword searches take it, so that digits in the page's
    /// address never replace the words selected.
    std::u16string UpcFromSelection() const;
    /// The stock symbol in the selection text as it is (FindStockSymbol).
    std::u16string StockSymbolFromContext() const;

private:
    void LoadScreenSize();
    /// The selection's markup without what it marks hidden (WithoutHiddenElements), worked out
    /// once, for the finders of either kind of code.
    const std::u16string& ShownHtml();

    BrowserWindowPtr top_;
    BrowserWindowPtr frame_;
    std::u16string selectionText_;
    std::u16string selectionHtml_;
    std::optional<std::u16string> shownHtml_;
    std::u16string frameAddress_;
    std::u16string frameName_;
    std::u16string frameHostName_;
    std::u16string frameTitle_;
    std::u16string topAddress_;
    std::u16string topName_;
    std::u16string topHostName_;
    std::u16string topTitle_;
    std::int32_t availableWidth_ = 640;
    std::int32_t availableHeight_ = 480;
    const CCurrency* toCurrency_ = nullptr;
    bool toCurrencyKnown_ = false;
    const CCurrency* fromCurrency_ = nullptr;
    bool fromCurrencyKnown_ = false;
    std::u16string isbn_;
    bool isbnKnown_ = false;
    std::u16string upc_;
    bool upcKnown_ = false;
};

/// True for the characters the standard wide white-space class holds: space, tab, line feed,
/// vertical tab, form feed, carriage return and the other Unicode space characters.
bool IsWideSpace(char16_t ch);

} // namespace tandrel
