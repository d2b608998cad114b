#include "conversions/Currency.h"

#include "common/CharClass.h"
#include "common/TextConversion.h"
#include "conversions/CurrencyTables.h"
#include "conversions/Letters.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <utility>
#include <vector>

namespace tandrel {

namespace {

// Every three capital letters, as a number from 0 to 26^3 - 1.
std::size_t TrigramIndex(char16_t a, char16_t b, char16_t c) {
    return (static_cast<std::size_t>(a - u'A') * 26 + static_cast<std::size_t>(b - u'A')) * 26 +
           static_cast<std::size_t>(c - u'A');
}

// The alphabet of the word that text[0, at) ends in, passing over combining marks; None when it
// ends in no letter. Only a run of marks is walked back over, and only from the position right
// after it (no code or symbol starts with a mark), so a scan stays linear in the text.
LetterScript ScriptBefore(std::u16string_view text, std::size_t at) {
    while (at > 0 && ScriptOf(text[at - 1]) == LetterScript::Mark)
        --at;
    return at > 0 ? ScriptOf(text[at - 1]) : LetterScript::None;
}

// Whether text[at, at + size), a code or a symbol found there, is not part of a longer run of
// letters: a letter at its start does not carry on a word of its alphabet before it, and a letter
// at its end is not carried on by a letter of its alphabet or a combining mark after it. So "ALL"
// counts in "ALL 5" and "USD100" but not in "CALL", "kr." counts in "5 kr." but not in "Ukr.",
// and a symbol that starts or ends with a sign ("$U", "S/.") is only bound at its letter end.
bool StandsApart(std::u16string_view text, std::size_t at, std::size_t size) {
    LetterScript first = ScriptOf(text[at]);
    if (first != LetterScript::None && first == ScriptBefore(text, at))
        return false;
    std::size_t end = at + size;
    if (end >= text.size())
        return true;
    LetterScript last = ScriptOf(text[end - 1]);
    LetterScript next = ScriptOf(text[end]);
    return last == LetterScript::None || (next != last && next != LetterScript::Mark);
}

// The rows of the symbol table by their first code unit, so that one pass over a text tries at
// each position only the symbols that can start there.
const std::vector<std::pair<char16_t, std::size_t>>& SymbolsByFirstUnit() {
    static const std::vector<std::pair<char16_t, std::size_t>> index = [] {
        std::vector<std::pair<char16_t, std::size_t>> rows;
        for (std::size_t row = 0; row < kCurrencySymbolCount; ++row)
            rows.emplace_back(kCurrencySymbols[row].symbol.front(), row);
        std::sort(rows.begin(), rows.end());
        return rows;
    }();
    return index;
}

// Every code unit that starts a symbol: most characters of a text start none, and are passed
// over with one look.
const std::bitset<0x10000>& SymbolStarts() {
    static const std::bitset<0x10000> starts = [] {
        std::bitset<0x10000> units;
        for (std::size_t row = 0; row < kCurrencySymbolCount; ++row)
            units[kCurrencySymbols[row].symbol.front()] = true;
        return units;
    }();
    return starts;
}

// The first row of the symbol table (in table order) whose symbol stands apart somewhere in text;
// the count of rows when none does.
std::size_t FirstSymbolRowIn(std::u16string_view text) {
    const auto& index = SymbolsByFirstUnit();
    const auto& starts = SymbolStarts();
    std::size_t first = kCurrencySymbolCount;
    for (std::size_t at = 0; at < text.size() && first > 0; ++at) {
        if (!starts[text[at]])
            continue;
        auto candidates = std::equal_range(
            index.begin(), index.end(), std::pair<char16_t, std::size_t>(text[at], 0),
            [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto it = candidates.first; it != candidates.second; ++it) {
            std::u16string_view symbol = kCurrencySymbols[it->second].symbol;
            if (it->second < first && text.substr(at, symbol.size()) == symbol &&
                StandsApart(text, at, symbol.size()))
                first = it->second;
        }
    }
    return first;
}

// The one currency of the list that a comma-separated list of codes names; null for none or
// several (a code named twice counts once).
const CCurrency* OnlyCurrencyOf(std::string_view codes) {
    const CCurrency* found = nullptr;
    while (!codes.empty()) {
        std::size_t comma = codes.find(',');
        const CCurrency* currency = FindCurrency(codes.substr(0, comma));
        if (currency && found && currency != found)
            return nullptr;
        if (currency)
            found = currency;
        codes.remove_prefix(comma == std::string_view::npos ? codes.size() : comma + 1);
    }
    return found;
}

} // namespace

const CCurrency* CurrenciesBegin() {
    return kCurrencies;
}

const CCurrency* CurrenciesEnd() {
    return kCurrencies + kCurrencyCount;
}

const CCurrency* FindCurrency(std::string_view code) {
    const CCurrency* row = std::lower_bound(
        CurrenciesBegin(), CurrenciesEnd(), code,
        [](const CCurrency& currency, std::string_view text) { return currency.code < text; });
    return row != CurrenciesEnd() && row->code == code ? row : nullptr;
}

namespace {

const CCurrency* CurrencyOfDomain(std::string_view ansi) {
    const CurrencyDomain* end = kCurrencyDomains + kCurrencyDomainCount;
    const CurrencyDomain* row = std::lower_bound(
        kCurrencyDomains, end, ansi,
        [](const CurrencyDomain& entry, std::string_view text) { return entry.domain < text; });
    return row != end && row->domain == ansi ? FindCurrency(row->code) : nullptr;
}

} // namespace

const CCurrency* CurrencyFromDomain(std::u16string_view domain) {
    return CurrencyOfDomain(WideToAnsi(domain));
}

// Every three capital letters that are a code of the list, with the first row of that code.
const std::vector<std::uint8_t>& RowsByTrigram() {
    static_assert(kCurrencyCount < 0xFF, "a row must fit in a byte beside the mark for none");
    static const std::vector<std::uint8_t> rows = [] {
        std::vector<std::uint8_t> made(26 * 26 * 26, 0xFF);
        for (std::size_t row = kCurrencyCount; row-- > 0;) {
            std::string_view code = kCurrencies[row].code;
            if (code.size() == 3 && IsAsciiUpper(code[0]) && IsAsciiUpper(code[1]) &&
                IsAsciiUpper(code[2]))
                made[TrigramIndex(code[0], code[1], code[2])] = static_cast<std::uint8_t>(row);
        }
        return made;
    }();
    return rows;
}

// One pass looks up every three capital letters of the text; the earliest row of the list found
// standing apart wins, and the first row ends the search.
const CCurrency* FindCurrencyCodeIn(std::u16string_view text) {
    const std::vector<std::uint8_t>& rows = RowsByTrigram();
    std::size_t first = kCurrencyCount;
    for (std::size_t at = 0; at + 2 < text.size() && first > 0; ++at) {
        if (IsAsciiUpper(text[at]) && IsAsciiUpper(text[at + 1]) && IsAsciiUpper(text[at + 2])) {
            std::uint8_t row = rows[TrigramIndex(text[at], text[at + 1], text[at + 2])];
            if (row < first && StandsApart(text, at, 3))
                first = row;
        }
    }
    return first == kCurrencyCount ? nullptr : CurrenciesBegin() + first;
}

const CCurrency* FindCurrencySymbolIn(std::u16string_view text) {
    std::size_t row = FirstSymbolRowIn(text);
    return row == kCurrencySymbolCount ? nullptr : OnlyCurrencyOf(kCurrencySymbols[row].codes);
}

const CCurrency* CurrencyFromText(std::u16string_view text) {
    if (const CCurrency* byCode = FindCurrencyCodeIn(text))
        return byCode;
    return FindCurrencySymbolIn(text);
}

const CCurrency* CurrencyFromLanguageTag(std::u16string_view tag) {
    // Subtags are separated by "-" (or "_", as some platforms write them); the language comes
    // first, a region of two letters may follow a script, and a singleton starts the extensions.
    std::size_t start = tag.find_first_of(u"-_");
    while (start != std::u16string_view::npos) {
        std::size_t end = tag.find_first_of(u"-_", start + 1);
        std::u16string_view subtag =
            tag.substr(start + 1, end == std::u16string_view::npos ? std::u16string_view::npos
                                                                   : end - start - 1);
        if (subtag.size() == 1)
            return nullptr;
        if (subtag.size() == 2 && IsAsciiLetter(subtag[0]) && IsAsciiLetter(subtag[1])) {
            std::string region;
            for (char16_t c : subtag)
                region += static_cast<char>(ToAsciiLower(c));
            return CurrencyOfDomain(region);
        }
        start = end;
    }
    return nullptr;
}

const CCurrency* GuessCurrency(std::u16string_view domain, std::u16string_view text,
                               std::string_view defaultCode) {
    if (!text.empty()) {
        if (const CCurrency* fromText = CurrencyFromText(text))
            return fromText;
    }
    if (const CCurrency* fromDomain = CurrencyFromDomain(domain))
        return fromDomain;
    return FindCurrency(defaultCode);
}

std::u16string CurrencyCode(const CCurrency* currency) {
    std::string_view code = currency ? currency->code : std::string_view("USD");
    return std::u16string(code.begin(), code.end());
}

} // namespace tandrel
