// The currencies: the constant list of 176 currencies, and the rules that guess the currency of
// an amount from the text around it and from the page's domain. A currency is a row of the list;
// none is a null pointer.
#pragma once

#include <string>
#include <string_view>

namespace tandrel {

/// One row of the currency list.
struct CCurrency {
    std::string_view code; ///< ISO 4217 code, three capital letters
    std::string_view name; ///< ANSI: country, comma and blank, currency in the plural
};

/// The currency list, ordered by code in ascending byte order.
const CCurrency* CurrenciesBegin();
const CCurrency* CurrenciesEnd();

/// The row whose code is exactly code (case-sensitive, the whole text); null when there is none.
const CCurrency* FindCurrency(std::string_view code);

/// The currency of a top-level domain ("ca" gives CAD); null for a domain the table does not
/// hold (case-sensitive: "CA" finds nothing) or whose code is not in the list.
const CCurrency* CurrencyFromDomain(std::u16string_view domain);

/// The currency of the region a language tag names ("de-CH" gives CHF, "zh-Hant-TW" TWD): its
/// first subtag of two letters after the language, in any letter case, read as a top-level
/// domain (CurrencyFromDomain); null for a tag without such a region or a region the table does
/// not hold. Private-use and extension parts ("-x-...", "-u-...") are not read.
const CCurrency* CurrencyFromLanguageTag(std::u16string_view tag);

/// The code scan: the first row of the list, in list order, whose code occurs in text in the same
/// letter case where it is not part of a longer run of letters ("USD 5", "USD100" and "100USD"
/// name USD; "CALL" names no ALL). A letter next to it carries the run on when it is of the same
/// alphabet (ScriptOf: "É" does, a Chinese character or a digit does not). Null when none does.
const CCurrency* FindCurrencyCodeIn(std::u16string_view text);

/// The symbol scan: the first symbol of the symbol table, in table order (longest first), that
/// occurs in text decides; it gives its currency when it stands for exactly one currency of the
/// list, and null when it stands for none or several. A symbol that begins or ends with a letter
/// occurs only where that letter is not carried on by a letter of its alphabet beside it, as a
/// code ("5 kn" names HRK, "known" nothing). Null when no symbol occurs.
const CCurrency* FindCurrencySymbolIn(std::u16string_view text);

/// The code scan, then the symbol scan.
const CCurrency* CurrencyFromText(std::u16string_view text);

/// The currency of an amount: from the text when it names one, else from the domain, else the
/// default code's.
const CCurrency* GuessCurrency(std::u16string_view domain, std::u16string_view text,
                               std::string_view defaultCode);

/// The amount in text, as digits and at most one ".": the first run of digits, "." and ","; a
/// separator followed by exactly three characters separates thousands, by two it is the decimal
/// point; with both separators in the run the last one is the decimal point; one separator that
/// repeats (1,234,567) groups thousands. "1.00" when text holds no digit.
std::u16string ReadCurrencyAmount(std::u16string_view text);

/// The code of a currency as wide text, "USD" for none.
std::u16string CurrencyCode(const CCurrency* currency);

} // namespace tandrel
