// The eleven lookup commands: the five keyword searches, ISBN, UPC, stock symbol, e-mail,
// translation and URL. Each loads its entries, prepares the text to confirm, shows its dialog,
// and on OK saves every tick, takes the confirmed text as the selection and runs the ticked
// entries; Help opens its help page and saves nothing; Cancel does nothing.
#pragma once

#include "page/PageContext.h"

#include <optional>
#include <string>
#include <string_view>

namespace tandrel {

/// What the command table gives a lookup command: its entries' prefix, its help entry, and for
/// the keyword searches the group box and label texts of their dialog.
struct LookupTexts {
    std::string_view prefix;
    std::string_view helpEntry;
    int captionId = 0;
    int labelId = 0;
};

void RunIsbnCommand(CPageContext& page, const LookupTexts& texts);
void RunUpcCommand(CPageContext& page, const LookupTexts& texts);
void RunStockCommand(CPageContext& page, const LookupTexts& texts);
/// Book, movie, music, other and search: one dialog with the texts of the row, holding the UPC-A
/// of the selection text when it has one, else the collapsed selection.
void RunGenericLookupCommand(CPageContext& page, const LookupTexts& texts);
void RunEmailCommand(CPageContext& page, const LookupTexts& texts);
/// Asks first whether to go on when the page's host has no dot (not on the Internet).
void RunTranslateCommand(CPageContext& page, const LookupTexts& texts);
void RunUrlCommand(CPageContext& page, const LookupTexts& texts);

// The checks made of a confirmed text at OK: the text to use, or none (refused).

/// An ISBN-10 found in the text, else the ISBN of an EAN-13 found in it (IsbnOfEan13: the
/// ISBN-10 of a "978" one, a "979" one whole).
std::optional<std::u16string> AcceptIsbn(std::u16string_view text);
/// A 12-digit UPC-A found in the text, else a 10 to 12 digit one padded with zeros.
std::optional<std::u16string> AcceptUpc(std::u16string_view text);
/// The text without line breaks, spaces and tabs at its ends; refused when nothing remains.
std::optional<std::u16string> AcceptStockSymbol(std::u16string_view text);

} // namespace tandrel
