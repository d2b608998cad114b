// The currency tables and the rules that guess a currency and read an amount.
#include "TestPlatform.h"

#include "conversions/CurrencyTables.h"
#include "page/MemoryBrowser.h"
#include "page/PageContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tandrel {
namespace {

std::string CodeOf(const CCurrency* currency) {
    return currency ? std::string(currency->code) : "none";
}

// Every row of the three tables is found by its own search: each code, each domain, and each
// symbol standing on its own in a text. The searches are binary searches and first-match scans,
// right only on tables in the order they expect: a row out of place is missed, and a symbol
// listed after a shorter one it contains ("kr" before "kr.") gives the shorter one's answer.
TEST(CurrencyTables, EveryRowIsFoundByItsOwnSearch) {
    test::MemoryPlatformScope scope;
    EXPECT_TRUE(
        std::is_sorted(std::begin(kCurrencies), std::end(kCurrencies),
                       [](const CCurrency& a, const CCurrency& b) { return a.code < b.code; }));
    EXPECT_TRUE(std::is_sorted(
        std::begin(kCurrencyDomains), std::end(kCurrencyDomains),
        [](const CurrencyDomain& a, const CurrencyDomain& b) { return a.domain < b.domain; }));
    EXPECT_TRUE(std::is_sorted(std::begin(kCurrencySymbols), std::end(kCurrencySymbols),
                               [](const CurrencySymbol& a, const CurrencySymbol& b) {
                                   return a.symbol.size() > b.symbol.size();
                               }));
    for (const CCurrency& row : kCurrencies) {
        EXPECT_EQ(FindCurrency(row.code), &row) << row.code;
        std::u16string text = u"5 " + std::u16string(row.code.begin(), row.code.end());
        EXPECT_EQ(FindCurrencyCodeIn(text), &row) << row.code;
    }
    for (const CurrencyDomain& row : kCurrencyDomains) {
        EXPECT_EQ(CurrencyFromDomain(std::u16string(row.domain.begin(), row.domain.end())),
                  FindCurrency(row.code))
            << row.domain;
    }
    for (const CurrencySymbol& row : kCurrencySymbols) {
        std::set<const CCurrency*> named;
        for (std::size_t at = 0; at < row.codes.size(); at += 4)
            if (const CCurrency* currency = FindCurrency(row.codes.substr(at, 3)))
                named.insert(currency);
        const CCurrency* expected = named.size() == 1 ? *named.begin() : nullptr;
        EXPECT_EQ(FindCurrencySymbolIn(u"5 " + std::u16string(row.symbol) + u" "), expected)
            << row.codes;
    }

    auto longest = std::max_element(
        std::begin(kCurrencies), std::end(kCurrencies),
        [](const CCurrency& a, const CCurrency& b) { return a.name.size() < b.name.size(); });
    EXPECT_EQ(longest->code, "BAM");
    const std::pair<std::string_view, std::string_view> telling[] = {
        {"AED", "United Arab Emirates, Dirhams"},      {"BRL", "Brazil, Brazil Real"},
        {"EUR", "European Economic Community, Euros"}, {"SPL", "Seborga, Luigini"},
        {"STD", "S\xE3o Tome and Principe, Dobras"},   {"TOP", "Tonga, Pa'anga"},
        {"ZWD", "Zimbabwe, Zimbabwe Dollars"}};
    for (const auto& [code, name] : telling)
        EXPECT_EQ(FindCurrency(code)->name, name);
}

TEST(Currency, LookupsAreExactAndCaseSensitive) {
    test::MemoryPlatformScope scope;
    const std::pair<std::string_view, std::string> codes[] = {
        {"USD", "USD"}, {"usd", "none"}, {"USD ", "none"}, {"", "none"},
        {"AED", "AED"}, {"ZWD", "ZWD"},  {"ZZZ", "none"}};
    for (const auto& [code, expected] : codes)
        EXPECT_EQ(CodeOf(FindCurrency(code)), expected) << code;
    const std::pair<std::u16string_view, std::string> domains[] = {
        {u"ca", "CAD"},  {u"CA", "none"}, {u"com", "USD"}, {u"zw", "ZWD"},  {u"ae", "AED"},
        {u"ru", "none"}, {u"by", "none"}, {u"ec", "none"}, {u"xx", "none"}, {u"", "none"}};
    for (const auto& [domain, expected] : domains)
        EXPECT_EQ(CodeOf(CurrencyFromDomain(domain)), expected);
}

// GuessCurrency(domain, text, "USD"), the rules in their order.
TEST(Currency, GuessFollowsCodeThenSymbolThenDomainThenDefault) {
    test::MemoryPlatformScope scope;
    const struct {
        std::u16string_view domain, text;
        const char* expected;
    } cases[] = {
        {u"com", u"\u00A350", "GBP"},
        {u"de", u"50 EUR", "EUR"},
        {u"com", u"ALL PRICES IN USD", "ALL"}, // the list's order, not the text's
        {u"ca", u"ZWDxxUSDyy", "CAD"},         // no code inside a word: the domain decides
        {u"com", u"eur 5", "USD"},             // codes are capitals
        {u"se", u"kr 100", "SEK"},             // four currencies: the domain decides
        {u"no", u"kr 100", "NOK"},
        {u"com", u"kr 100", "USD"},
        {u"is", u"kr. 100", "ISK"}, // the longer symbol first
        {u"com", u"NZ$ 5", "NZD"},
        {u"com", u"NT$ 5", "TWD"}, // named twice, counts once
        {u"com", u"S/. 5", "PEN"}, // ECS is not in the list
        {u"ca", u"$100", "CAD"},
        {u"com", u"$100", "USD"},
        {u"com", u"R$ 5", "BRL"}, // the symbol ends with a blank
        {u"com", u"R$5", "USD"},
        {u"ru", u"100", "USD"}, // RUB is not in the list
        {u"CA", u"100", "USD"},
        {u"com", u"5 \u0434\u0435\u043D.", "MKD"},
        {u"eg", u"\u062C.\u0645.\u200F 5", "EGP"},
        {u"com", u"\u20AC5 or \u00A35", "GBP"}, // the table's order decides between symbols
        {u"com", u"", "USD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CodeOf(GuessCurrency(c.domain, c.text, "USD")), c.expected)
            << std::string(c.text.begin(), c.text.end());
    }
}

// A code, and a symbol that begins or ends with a letter, counts only where no letter of its
// alphabet (an accented one included) carries its letters on; digits, signs, blanks and letters
// of other alphabets end a word.
TEST(Currency, CodesAndLetterSymbolsCountOnlyAsWordsOfTheirOwn) {
    test::MemoryPlatformScope scope;
    const struct {
        std::u16string_view domain, text;
        const char* expected;
    } cases[] = {
        {u"com", u"CALL NOW: $99", "USD"},
        {u"com", u"OPEN DAILY $5", "USD"},
        {u"com", u"$300 flight", "USD"},
        {u"com", u"Price $5 (known)", "USD"},
        {u"com", u"USD100", "USD"},
        {u"com", u"100USD", "USD"},
        {u"com", u"EUR 5", "EUR"},
        {u"com", u"(CHF)5", "CHF"},
        {u"com", u"USD-based 5", "USD"},
        {u"com", u"USDollars 5", "USD"},
        {u"ca", u"USDollars 5", "CAD"},
        {u"com", u"5 kn", "HRK"},
        {u"com", u"Rs. 20", "PKR"},
        {u"com", u"5 kr \u00A3", "USD"}, // "kr" counts, and names four currencies
        {u"com", u"Ukr. 5 \u20AC", "EUR"},
        {u"au", u"AUS$ 5", "AUD"},
        {u"com", u"$USD 5", "USD"},
        {u"com", u"$U 5", "UYU"},
        // Accented letters carry a word on, precomposed or as a combining mark.
        {u"com", u"D\u00C9PENSE 5", "USD"},
        {u"com", u"DE\u0301PENSE 5", "USD"},
        {u"com", u"5 EUR\u00E9", "USD"},
        {u"com", u"5 EUR\u0301", "USD"},
        {u"com", u"5 \u00E9 EUR", "EUR"},
        // Letters of another alphabet do not.
        {u"com", u"100EUR\u3067", "EUR"},
        {u"com", u"\u4EF7\u683CEUR100", "EUR"},
        {u"com", u"\u0446\u0435\u043D\u0430EUR 5", "EUR"},
        // Symbols in other alphabets, by the letters of theirs.
        {u"com", u"100 \u0422", "KZT"},
        {u"com", u"\u0422\u041E\u0412\u0410\u0420 100", "USD"},
        {u"com", u"5 \u043B\u0432", "BGL"},
        {u"com", u"5 \u043B\u0432\u0430", "USD"},
        {u"com", u"100 \u0930\u0941", "INR"},
        {u"com", u"100 \u0930\u0941\u092A\u092F\u0947", "USD"},
        {u"com", u"100 \u0631\u064A\u0627\u0644", "IRR"},
        {u"com", u"5 \u0394\u03C1\u03C7", "GRD"},
        {u"com", u"5 \u0394\u03C1\u03C7\u03B1", "USD"},
        {u"com", u"\u0661\u0660\u0660\u0631\u064A\u0627\u0644", "IRR"}, // Arabic-Indic digits
        {u"com", u"\u0627\u0644\u0631\u064A\u0627\u0644 100", "USD"},   // with its article
        {u"com", u"100 \u0564\u0580.", "AMD"},
        {u"com", u"100 \u0561\u0564\u0580.", "USD"},
        {u"com", u"5\u00D7EUR", "EUR"}, // a sign beside Latin letters
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CodeOf(GuessCurrency(c.domain, c.text, "USD")), c.expected)
            << std::string(c.text.begin(), c.text.end());
    }
}

// Codes inside words all through a long text; a code after a long run of marks on a letter; a
// symbol at the end of a long word.
TEST(Currency, WordsAreJudgedWholeHoweverLong) {
    test::MemoryPlatformScope scope;
    std::u16string codes;
    for (int i = 0; i < 20000; ++i)
        codes += u"XUSDXCALL";
    EXPECT_EQ(FindCurrencyCodeIn(codes), nullptr);
    EXPECT_EQ(FindCurrencyCodeIn(u"e" + std::u16string(200000, u'\u0301') + u"EUR"), nullptr);
    EXPECT_EQ(FindCurrencySymbolIn(std::u16string(100000, u'k') + u"n"), nullptr);
}

TEST(Currency, AmountReadsEitherSeparatorStyle) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"$1,234.56", u"1234.56"},
        {u"1.234,56 \u20AC", u"1234.56"},
        {u"1,234", u"1234"},
        {u"1.234", u"1234"},
        {u"EUR 1.234", u"1234"},
        {u"1.2345", u"1.2345"},
        {u"12,50", u"12.50"},
        {u"1.5", u"1.5"},
        {u"1,5", u"15"},
        {u"$.50", u"50"},
        {u"-5", u"5"},
        {u"1 234,50", u"1"},
        {u"no digits", u"1.00"},
        {u"", u"1.00"},
        {u"1.2,3.4", u"1.23"},
        {u"EUR 99", u"99"},
        {u"1,234.5.6", u"1234.5"},
        // One separator repeated, the other never used: grouped thousands.
        {u"1,234,567", u"1234567"},
        {u"1.234.567", u"1234567"},
        {u"$12,345,678.90", u"12345678.90"},
    };
    for (const auto& [text, amount] : cases)
        EXPECT_EQ(ReadCurrencyAmount(text), amount) << std::string(text.begin(), text.end());
}

class PageCurrencies : public ::testing::Test {
protected:
    CPageContext Page(std::u16string host, std::u16string selection) {
        auto window = std::make_shared<CMemoryWindow>();
        window->hostName = u"www.example.com";
        auto frame = window->MakeFrame();
        frame->hostName = std::move(host);
        frame->selection = SelectionText{std::move(selection), u""};
        CPageContext page;
        EXPECT_EQ(page.Load(frame), kOk);
        return page;
    }
    test::MemoryPlatformScope scope;
};

TEST_F(PageCurrencies, FromCurrencyUsesTheFrameAndIsGuessedOnce) {
    CPageContext page = Page(u"shop.example.se", u"kr 100");
    EXPECT_EQ(CodeOf(page.GetFromCurrency()), "SEK") << "the frame's domain, not the top's";
    page.SetSelection(u"\u00A350");
    EXPECT_EQ(CodeOf(page.GetFromCurrency()), "SEK") << "guessed once";
    page.SetFromCurrency(FindCurrency("JPY"));
    EXPECT_EQ(CodeOf(page.GetFromCurrency()), "JPY");
    EXPECT_EQ(CodeOf(Page(u"localhost", u"100").GetFromCurrency()), "USD") << "no dot: com";
    EXPECT_EQ(Page(u"x", u"EUR 1.234,50").CurrencyAmount(), u"1234.50");
}

TEST_F(PageCurrencies, ToCurrencyFollowsTheLocaleElseUsd) {
    const std::pair<std::optional<std::string>, const char*> cases[] = {
        {"EUR", "EUR"}, {"XYZ", "USD"}, {std::nullopt, "USD"}, {"eur", "USD"}};
    for (const auto& [symbol, expected] : cases) {
        scope.platform.locale.currencySymbol = symbol;
        CPageContext page = Page(u"example.de", u"");
        EXPECT_EQ(CodeOf(page.GetToCurrency()), expected);
        scope.platform.locale.currencySymbol = "JPY";
        EXPECT_EQ(CodeOf(page.GetToCurrency()), expected) << "asked once";
        page.SetToCurrency(FindCurrency("CHF"));
        EXPECT_EQ(CodeOf(page.GetToCurrency()), "CHF");
    }
}

} // namespace
} // namespace tandrel
