// The currency tables and the rules that guess a currency and read an amount.
#include "TestPlatform.h"

#include "conversions/CurrencyTables.h"
#include "page/MemoryBrowser.h"
#include "page/PageContext.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tandrel {
namespace {

std::string CodeOf(const CCurrency* currency) {
    return currency ? std::string(currency->code) : "none";
}

// The lookups are binary searches and first-match scans: they are only right on tables in the
// order the searches expect.
TEST(CurrencyTables, AreInTheOrderTheSearchesRelyOn) {
    EXPECT_TRUE(
        std::is_sorted(std::begin(kCurrencies), std::end(kCurrencies),
                       [](const CCurrency& a, const CCurrency& b) { return a.code < b.code; }));
    EXPECT_TRUE(std::adjacent_find(std::begin(kCurrencies), std::end(kCurrencies),
                                   [](const CCurrency& a, const CCurrency& b) {
                                       return a.code == b.code;
                                   }) == std::end(kCurrencies));
    EXPECT_TRUE(std::is_sorted(
        std::begin(kCurrencyDomains), std::end(kCurrencyDomains),
        [](const CurrencyDomain& a, const CurrencyDomain& b) { return a.domain < b.domain; }));
    EXPECT_TRUE(std::is_sorted(std::begin(kCurrencySymbols), std::end(kCurrencySymbols),
                               [](const CurrencySymbol& a, const CurrencySymbol& b) {
                                   return a.symbol.size() > b.symbol.size();
                               }));
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
        {u"com", u"ZWDxxUSDyy", "USD"},        // inside words too
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

TEST(Currency, AmountReadsEitherSeparatorStyle) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"$1,234.56", u"1234.56"},
        {u"1.234,56 \u20AC", u"1234.56"},
        {u"1,234", u"1234"},
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
