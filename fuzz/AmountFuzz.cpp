// Amounts in a selection: the amount and unit the Convert command reads (with the stored unit
// table), the number of the amount box, the unit lookup, the currency guesses of the page and the
// amount the Currency command reads. Each is compared with a slow reading of its rules written
// here: numbers by their grammar and the C library, units by probing every alias at every length,
// currencies by searching the text for every row of the tables in turn and judging each place
// found by the letters beside it.
//
// The input is a page (FuzzSupport.h): the selection, then after NUL bytes the other fields; the
// frame's host name gives the domain, the last field the locale's currency symbol.
#include "FuzzSupport.h"

#include "common/NumberFormat.h"
#include "conversions/CurrencyTables.h"
#include "conversions/Letters.h"
#include "conversions/UnitRecognition.h"
#include "conversions/Units.h"

#include <cstdio>
#include <limits>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tandrel::fuzz {

namespace {

// ---- numbers

std::string SlowFormatGeneral(double value) {
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    std::string text(buffer);
    std::size_t e = text.find('e');
    if (e != std::string::npos) {
        while (text.size() - (e + 2) < 3)
            text.insert(e + 2, "0");
    }
    return text;
}

// Wide text with every character outside ASCII as a byte no number holds.
std::string NarrowForNumbers(std::u16string_view text) {
    std::string narrow;
    for (char16_t c : text)
        narrow += c < 0x80 ? static_cast<char>(c) : '\x01';
    return narrow;
}

// ---- units

// The table's own index, for the slow lookup.
std::vector<std::pair<std::string, const CUnit*>> IndexOf(const CUnitTable& table) {
    return {table.Aliases().begin(), table.Aliases().end()};
}

RecognizedAmount SlowRecognize(std::u16string_view selection, const CUnitTable& table) {
    RecognizedAmount recognized{u"1", nullptr};
    std::size_t start = selection.find_first_of(u"0123456789");
    if (start == std::u16string_view::npos)
        return recognized;
    // The point and then the minus sign right before the first digit belong to the number.
    for (char16_t mark : {u'.', u'-'})
        start -= start > 0 && selection[start - 1] == mark ? 1 : 0;
    std::u16string_view from = selection.substr(start);
    std::optional<SlowNumber> number = SlowReadDecimal(NarrowForNumbers(from));
    if (!number)
        return recognized;
    std::string amount = SlowFormatGeneral(number->value);
    recognized.amount.assign(amount.begin(), amount.end());
    if (number->end >= from.size())
        return recognized;
    std::size_t at = from.find(from[number->end]);
    while (at < from.size() &&
           std::u16string_view(u" \t\r\n").find(from[at]) != std::u16string::npos)
        ++at;
    if (at >= from.size())
        return recognized;
    std::u16string_view unitText = from.substr(at);
    if (from[at] == u'(') {
        unitText = from.substr(at + 1);
        unitText = unitText.substr(0, unitText.find(u')'));
    }
    recognized.unit = SlowFindUnit(IndexOf(table), WideToAnsi(unitText));
    return recognized;
}

// Converting by the rules: through the reference unit, a zero or NaN divisor refused, and a
// difference from the target's offset within 16 units of rounding of the terms' sizes taken as 0.
std::optional<double> SlowConvert(double value, const CUnit& from, const CUnit& to) {
    auto refused = [](double divisor) {
        return divisor == 0 || std::isnan(divisor);
    };
    double term;
    if (!from.GetInvert()) {
        term = value * from.GetScale();
    } else {
        if (refused(value))
            return std::nullopt;
        term = from.GetScale() / value;
    }
    double difference = term + from.GetOffset() - to.GetOffset();
    double terms = std::fabs(term) + std::fabs(from.GetOffset()) + std::fabs(to.GetOffset());
    if (std::isfinite(terms) &&
        std::fabs(difference) <= 16 * std::numeric_limits<double>::epsilon() * terms)
        difference = 0;
    if (!to.GetInvert()) {
        if (refused(to.GetScale()))
            return std::nullopt;
        return difference == 0 ? 0.0 : difference / to.GetScale();
    }
    if (refused(difference))
        return std::nullopt;
    return to.GetScale() / difference;
}

void CheckUnits(std::u16string_view selection, const CUnitTable& table) {
    RecognizedAmount fast = RecognizeAmountAndUnit(selection, table);
    RecognizedAmount slow = SlowRecognize(selection, table);
    Require(fast.amount == slow.amount, "the amount is the number after the first digit, as %g");
    Require(fast.unit == slow.unit, "the unit is the longest alias at the start of the unit text");

    std::string ansi = WideToAnsi(selection);
    std::optional<double> typed = ReadAmount(ansi);
    std::optional<SlowNumber> number = SlowReadDecimal(ansi);
    Require(typed.has_value() == number.has_value() &&
                (!typed || SameNumber(*typed, number->value)),
            "the amount box reads the leading decimal number");
    if (typed)
        Require(FormatGeneral(*typed) == SlowFormatGeneral(*typed), "FormatGeneral writes %g");

    // The lookup at the start of the selection and after each of its first blanks.
    std::size_t probes = 0;
    for (std::size_t at = 0; at < ansi.size() && probes < 8; ++at) {
        if (at > 0 && ansi[at - 1] != ' ')
            continue;
        std::string_view probe = std::string_view(ansi).substr(at);
        Require(table.FindUnit(probe) == SlowFindUnit(IndexOf(table), probe),
                "FindUnit gives the longest alias, as written before lowered");
        ++probes;
    }

    if (fast.unit && typed) {
        const CUnit& to = fast.unit->GetCategory().Units().front();
        std::optional<double> converted = SlowConvert(*typed, *fast.unit, to);
        std::string result = ConversionResult(*typed, *fast.unit, to);
        if (converted) {
            Require(result == SlowFormatGeneral(*typed) + " " + fast.unit->GetName() + " = " +
                                  SlowFormatGeneral(*converted) + " " + to.GetName(),
                    "the result line is amount, unit, = , converted amount, unit");
        } else {
            Require(result.find("(Division by zero)") != std::string::npos,
                    "a zero divisor is reported");
        }
    }
}

// ---- currencies

const CCurrency* SlowFindCurrency(std::string_view code) {
    for (const CCurrency* row = CurrenciesBegin(); row != CurrenciesEnd(); ++row) {
        if (row->code == code)
            return row;
    }
    return nullptr;
}

// Whether the letter text[at] carries on a word that ends right before it: the character before
// it, or the letter that the combining marks before it sit on, is of the same alphabet.
bool CarriesOnAWordBefore(std::u16string_view text, std::size_t at) {
    LetterScript script = ScriptOf(text[at]);
    std::size_t before = at;
    while (before > 0 && ScriptOf(text[before - 1]) == LetterScript::Mark)
        --before;
    return script != LetterScript::None && before > 0 && ScriptOf(text[before - 1]) == script;
}

// Whether the letter text[at] is carried on by the character after it: a letter of its alphabet
// or a combining mark.
bool CarriedOnAfter(std::u16string_view text, std::size_t at) {
    LetterScript script = ScriptOf(text[at]);
    if (script == LetterScript::None || at + 1 >= text.size())
        return false;
    LetterScript next = ScriptOf(text[at + 1]);
    return next == script || next == LetterScript::Mark;
}

// Whether needle occurs somewhere in text with neither its first nor its last letter part of a
// longer word.
bool OccursAsWord(std::u16string_view text, std::u16string_view needle) {
    for (std::size_t at = text.find(needle); at != std::u16string_view::npos;
         at = text.find(needle, at + 1)) {
        if (!CarriesOnAWordBefore(text, at) && !CarriedOnAfter(text, at + needle.size() - 1))
            return true;
    }
    return false;
}

const CCurrency* SlowCodeScan(std::u16string_view text) {
    for (const CCurrency* row = CurrenciesBegin(); row != CurrenciesEnd(); ++row) {
        if (OccursAsWord(text, std::u16string(row->code.begin(), row->code.end())))
            return row;
    }
    return nullptr;
}

const CCurrency* SlowSymbolScan(std::u16string_view text) {
    for (const CurrencySymbol& symbol : kCurrencySymbols) {
        if (!OccursAsWord(text, symbol.symbol))
            continue;
        std::set<const CCurrency*> named;
        for (std::string_view code : Split(symbol.codes, ','))
            if (const CCurrency* currency = SlowFindCurrency(code))
                named.insert(currency);
        return named.size() == 1 ? *named.begin() : nullptr;
    }
    return nullptr;
}

const CCurrency* SlowFromDomain(std::u16string_view domain) {
    std::string ansi = WideToAnsi(domain);
    for (const CurrencyDomain& row : kCurrencyDomains) {
        if (row.domain == ansi)
            return SlowFindCurrency(row.code);
    }
    return nullptr;
}

const CCurrency* SlowGuess(std::u16string_view domain, std::u16string_view text,
                           std::string_view defaultCode) {
    const CCurrency* found = text.empty() ? nullptr : SlowCodeScan(text);
    found = found || text.empty() ? found : SlowSymbolScan(text);
    found = found ? found : SlowFromDomain(domain);
    return found ? found : SlowFindCurrency(defaultCode);
}

std::u16string SlowCurrencyAmount(std::u16string_view text) {
    auto digit = [](char16_t c) {
        return c >= u'0' && c <= u'9';
    };
    auto separator = [](char16_t c) {
        return c == u'.' || c == u',';
    };
    std::size_t start = text.find_first_of(u"0123456789");
    if (start == std::u16string_view::npos)
        return u"1.00";
    std::u16string_view run = text.substr(start);
    run = run.substr(0, run.find_first_not_of(u"0123456789.,"));
    std::size_t points = 0, commas = 0, last = 0;
    for (std::size_t at = 0; at < run.size(); ++at) {
        if (separator(run[at])) {
            (run[at] == u'.' ? points : commas) += 1;
            last = at;
        }
    }
    char16_t decimal = 0; // none
    if (points > 0 && commas > 0)
        decimal = run[last];
    else if (points + commas == 1)
        decimal = run.size() == last + 4 ? 0 : run.size() == last + 3 ? run[last] : u'.';
    // Up to a second decimal separator: the digits, and the decimal separator as a point.
    if (decimal)
        run = run.substr(0, run.find(decimal, run.find(decimal) + 1));
    std::u16string amount;
    for (char16_t c : run) {
        if (digit(c) || c == decimal)
            amount += c == decimal ? u'.' : c;
    }
    return amount;
}

void CheckCurrencies(FuzzPage& fuzzPage, CMemoryPlatform& platform) {
    CPageContext& page = fuzzPage.page;
    std::u16string selection = page.GetSelection();
    std::u16string host = page.GetFrameHostName();
    std::size_t dot = host.rfind(u'.');
    std::u16string domain = dot == std::u16string::npos ? u"com" : host.substr(dot + 1);
    Require(page.GetFromCurrency() == SlowGuess(domain, selection, "USD"),
            "the from currency: the selection's code, its symbol, the frame's domain, USD");

    const CCurrency* locale = platform.locale.currencySymbol
                                  ? SlowFindCurrency(*platform.locale.currencySymbol)
                                  : nullptr;
    Require(page.GetToCurrency() == (locale ? locale : SlowFindCurrency("USD")),
            "the to currency: the locale's, else USD");
    Require(CurrencyCode(page.GetToCurrency()) == SlowCurrencyCode(page.GetToCurrency()),
            "a currency's code is its three letters");

    // The same searches on their own, with the host name taken whole as a domain.
    std::string defaultCode = platform.locale.currencySymbol.value_or("");
    Require(FindCurrency(defaultCode) == SlowFindCurrency(defaultCode),
            "FindCurrency finds exactly the code");
    Require(CurrencyFromDomain(host) == SlowFromDomain(host), "a domain is found exactly");
    Require(FindCurrencyCodeIn(selection) == SlowCodeScan(selection),
            "the code scan takes the list's first code found anywhere");
    Require(FindCurrencySymbolIn(selection) == SlowSymbolScan(selection),
            "the symbol scan decides by the table's first symbol found");
    Require(GuessCurrency(host, selection, defaultCode) == SlowGuess(host, selection, defaultCode),
            "GuessCurrency: text, domain, default");

    Require(page.CurrencyAmount() == SlowCurrencyAmount(selection),
            "the currency amount follows its separator rules");
    std::u16string amount = page.CurrencyAmount();
    Require(amount.find_first_not_of(u"0123456789.") == std::u16string::npos &&
                std::count(amount.begin(), amount.end(), u'.') <= 1,
            "a currency amount is digits and at most one point");
}

} // namespace

} // namespace tandrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tandrel;
    static fuzz::FuzzPlatform platform;
    static const CUnitTable table = LoadUnitTable();
    fuzz::FuzzPage page(platform.platform, fuzz::AsText(data, size));
    fuzz::CheckUnits(page.page.GetSelection(), table);
    fuzz::CheckUnits(fuzz::RawUtf16(fuzz::Split(fuzz::AsText(data, size), '\0')[0]), table);
    fuzz::CheckCurrencies(page, platform.platform);
    fuzz::Require(ReadCurrencyAmount(fuzz::RawUtf16(fuzz::AsText(data, size))) ==
                      fuzz::SlowCurrencyAmount(fuzz::RawUtf16(fuzz::AsText(data, size))),
                  "the currency amount of any code units");
    return 0;
}
