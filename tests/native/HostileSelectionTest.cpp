// Hostile selections through every command's preparation and through template expansion: ten
// megabytes with the code at the very end, NULs, unpaired surrogates and characters outside the
// Basic Multilingual Plane. Each command shows its dialog with the text the rules give (or none),
// and what reaches the ANSI code page holds "?" for what it cannot represent.
#include "CommandFixture.h"
#include "HostileInputs.h"

#include "actions/ConsoleCommand.h"
#include "actions/MacroExpansion.h"
#include "actions/Mail.h"
#include "common/TextConversion.h"
#include "config/ConfigParser.h"

#include <gtest/gtest.h>

#include <map>

namespace tandrel {
namespace {

using test::CodesAtTheEnd;
using test::kTenMegabytes;
using test::Repeated;
using test::WithNul;

const std::u16string& WordsThen(std::u16string_view tail) {
    static std::map<std::u16string, std::u16string> texts;
    std::u16string& text = texts[std::u16string(tail)];
    if (text.empty())
        text = Repeated(u"word ", kTenMegabytes, tail);
    return text;
}

class HostileSelection : public test::CommandFixture {
protected:
    HostileSelection()
        : CommandFixture("[ISBN:A]\nshortDescription=A\nurl=a?q=!S\n"
                         "[UPC:A]\nshortDescription=A\nurl=u?q=!S\n"
                         "[STOCK:A]\nshortDescription=A\nurl=s?q=!S\n"
                         "[BOOK:A]\nshortDescription=A\nurl=k?q=!S\n"
                         "[OTHER:A]\nshortDescription=A\nurl=o?q=!S\n"
                         "[EMAIL:A]\nshortDescription=A\nMailTo=!s\nMailSubject=!T\n"
                         "[URL:A]\nshortDescription=A\nurl=w?q=!S\n"
                         "[CURRENCY:A]\nshortDescription=A\nurl=c?a=!S&f=!F\n"
                         "[UNIT:Metre]\ncategory=distance\nten+0=metres,m\nten+3=kilometres,km\n"
                         "[UNIT:Degree]\ncategory=angle\nten+0=degrees\n") {}

    // The text the command's dialog opened with, or none when its dialog has no edit box.
    std::optional<std::u16string> Prepared(std::string_view keyword, const std::u16string& text) {
        dialogs.siteListsShown.clear();
        Run(keyword, text);
        EXPECT_EQ(dialogs.siteListsShown.size(), 1u) << keyword;
        return dialogs.siteListsShown.empty() ? std::nullopt : dialogs.siteListsShown[0].text;
    }
};

TEST_F(HostileSelection, LookupCommandsPrepareTheirTexts) {
    const std::u16string surrogates = u"\xD800 ISBN 0-306-40615-2 \xDFFF \xD83D\xDE00";
    const std::u16string bmpDigitsOnlyOutside = u"\xD835\xDFCE-306-40615-2";
    const struct {
        std::string_view name;
        std::string_view keyword;
        std::u16string selection;
        std::optional<std::u16string> shown;
    } cases[] = {
        {"codes at the end of 10 MB", "ISBN", CodesAtTheEnd(), u"0306406152"},
        {"codes at the end of 10 MB", "UPC", CodesAtTheEnd(), u"036000291452"},
        {"codes at the end of 10 MB", "STOCK", CodesAtTheEnd(), u"ACME"},
        {"codes at the end of 10 MB", "BOOK", CodesAtTheEnd(), u"036000291452"},
        {"codes at the end of 10 MB", "OTHER", CodesAtTheEnd(), u"036000291452"},
        {"codes at the end of 10 MB", "EMAIL", CodesAtTheEnd(), std::nullopt},
        {"codes at the end of 10 MB", "URL", CodesAtTheEnd(), std::nullopt},
        {"10 MB of one digit", "ISBN", std::u16string(kTenMegabytes, u'1'),
         std::u16string(kTenMegabytes, u'1')},
        {"10 MB of one digit", "UPC", std::u16string(kTenMegabytes, u'1'),
         std::u16string(kTenMegabytes, u'1')},
        {"10 MB of words", "STOCK", WordsThen(u"end"), u""},
        {"10 MB of blanks", "BOOK", std::u16string(kTenMegabytes, u' '), u""},
        {"NULs around", "ISBN", WithNul(u"ISBN", u" 0-306-40615-2") + u'\0', u"0306406152"},
        {"a NUL inside the code", "UPC", WithNul(u"03600", u"0291452"),
         WithNul(u"03600", u"0291452")},
        {"a NUL inside brackets", "STOCK", WithNul(u"x (AC", u"ME)"), u"AC"},
        {"a NUL between words", "OTHER", WithNul(u" a ", u" b "), WithNul(u"a ", u" b")},
        {"unpaired surrogates", "ISBN", surrogates, u"0306406152"},
        {"unpaired surrogates", "OTHER", surrogates,
         u"\xD800 ISBN 0-306-40615-2 \xDFFF \xD83D\xDE00"},
        {"a digit outside the plane", "ISBN", bmpDigitsOnlyOutside, bmpDigitsOnlyOutside},
        {"a symbol outside the plane", "STOCK", u"\xD83D\xDCC8 (ACME\xD83D\xDE00)", u"ACME"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::string(c.keyword));
        std::optional<std::u16string> shown = Prepared(c.keyword, c.selection);
        ASSERT_EQ(shown.has_value(), c.shown.has_value());
        if (shown) {
            EXPECT_EQ(shown->size(), c.shown->size());
            EXPECT_TRUE(*shown == *c.shown) << WideToUtf8(shown->substr(0, 40));
        }
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(HostileSelection, ConvertReadsTheAmountAndUnit) {
    const struct {
        std::string_view name;
        std::u16string selection;
        std::u16string amount;
        std::string_view category, from;
    } cases[] = {
        {"10 MB of words, then the amount", WordsThen(u"5 km"), u"5", "distance", "kilometres"},
        {"an amount, then 10 MB of words", u"5 " + WordsThen(u""), u"5", "angle", "degrees"},
        {"10 MB of digits", std::u16string(kTenMegabytes, u'9') + u" km", u"inf", "distance",
         "kilometres"},
        {"a NUL between amount and unit", WithNul(u"5", u"km"), u"5", "angle", "degrees"},
        {"a NUL before the amount", WithNul(u"", u"5 km"), u"5", "distance", "kilometres"},
        {"a digit outside the plane", u"\xD835\xDFD3 km", u"1", "angle", "degrees"},
        {"a character outside the plane as unit", u"5 \xD83D\xDE00km", u"5", "angle", "degrees"},
        {"an unpaired surrogate after the unit", u"5 km\xD800", u"5", "distance", "kilometres"},
        {"an unpaired surrogate as unit", u"5 \xDC00", u"5", "angle", "degrees"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.convertStates.clear();
        Run("CONVERT", c.selection);
        ASSERT_EQ(dialogs.convertStates.size(), 1u);
        EXPECT_EQ(dialogs.convertStates[0].amount, c.amount);
        EXPECT_EQ(dialogs.convertStates[0].category, c.category);
        EXPECT_EQ(dialogs.convertStates[0].from, c.from);
    }
}

TEST_F(HostileSelection, CurrencyReadsTheAmountAndGuesses) {
    const struct {
        std::string_view name;
        std::u16string selection;
        ShownCurrency shown;
    } cases[] = {
        {"10 MB of words, then the price", WordsThen(u"EUR 1.234,50"), {u"1234.50", "EUR", "USD"}},
        {"10 MB of digits",
         std::u16string(kTenMegabytes, u'7'),
         {std::u16string(kTenMegabytes, u'7'), "USD", "CAD"}},
        {"NULs around the symbol", WithNul(u"", WithNul(u"\x00A3", u"50")), {u"50", "GBP", "USD"}},
        {"a NUL inside the amount", WithNul(u"1", u"234 JPY"), {u"1", "JPY", "USD"}},
        {"unpaired surrogates around the symbol", u"\xD800\x20AC\xDC00 5", {u"5", "EUR", "USD"}},
        {"characters outside the plane", u"\xD83D\xDCB0 \xD835\xDFD3 EUR", {u"1.00", "EUR", "USD"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.currenciesShown.clear();
        Run("CURRENCY", c.selection);
        ASSERT_EQ(dialogs.currenciesShown.size(), 1u);
        EXPECT_TRUE(dialogs.currenciesShown[0].amount == c.shown.amount);
        EXPECT_EQ(dialogs.currenciesShown[0].from, c.shown.from);
        EXPECT_EQ(dialogs.currenciesShown[0].to, c.shown.to);
    }
}

// Text the page gives, as the link actions write it: URL-encoded, as it is, and in the ANSI code
// page, where what it cannot represent becomes "?" (a surrogate pair one "?", as one character).
TEST_F(HostileSelection, ExpansionEncodesOrKeepsEveryCharacter) {
    const struct {
        std::string_view name;
        std::u16string selection;
        std::u16string encoded; ///< "!S|!-" URL-encoded
        std::string ansi;       ///< "!S|!s" as it is, in the ANSI code page
    } cases[] = {
        {"NULs", WithNul(u"a", u" b") + u'\0', u"a%00%20b%00|a%00%20b",
         std::string("a\0 b\0|a\0 b\0", 11)},
        {"unpaired surrogates", u"\xDC00x\xD800", u"%20x%20|%20x", "?x?|?x?"},
        {"a pair and a character outside Latin-1", u"\xD83D\xDE00\x20AC\x00E9", u"%20%80%E9|%20%80",
         "?\x80\xE9|?\x80\xE9"},
        {"a lone high surrogate at the end", u"ab\xD83D", u"ab%20|ab", "ab?|ab?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        top->selection = SelectionText{c.selection, u""};
        CPageContext page;
        ASSERT_EQ(page.Load(top), kOk);
        EXPECT_EQ(ExpandTemplate("!S|!-", page, true), c.encoded);
        EXPECT_EQ(WideToAnsi(ExpandTemplate("!S|!s", page, false)), c.ansi);
    }
}

TEST_F(HostileSelection, ExpansionOfTenMegabytesIsWhole) {
    top->selection = SelectionText{WordsThen(u"end"), u""};
    CPageContext page;
    ASSERT_EQ(page.Load(top), kOk);
    const std::size_t words = (WordsThen(u"end").size() - 3) / 5;
    std::u16string encoded = ExpandTemplate("q=!S", page, true);
    EXPECT_EQ(encoded.size(), 2 + words * 7 + 3);
    EXPECT_EQ(encoded.substr(0, 16), u"q=word%20word%20");
    EXPECT_EQ(encoded.substr(encoded.size() - 10), u"word%20end");
    std::u16string collapsed = ExpandTemplate("!s", page, false);
    EXPECT_EQ(collapsed.size(), words * 5 + 3);
    std::u16string line = AnsiToWide(WideToAnsi(ExpandTemplate("!S!-", page, false)));
    EXPECT_EQ(line.size(), 2 * WordsThen(u"end").size() - 1);
}

TEST_F(HostileSelection, TenMegabytesReachTheMailAndTheOpenedAddressesWhole) {
    const std::u16string& selection = WordsThen(u"end");
    const std::u16string encoded = Repeated(u"word%20", (selection.size() - 3) / 5 * 7, u"end");
    dialogs.siteListAnswers = {
        {std::nullopt, {}, kIdOk}, {std::nullopt, {}, kIdOk}, {std::nullopt, {}, kIdOk}};
    Run("EMAIL", selection);
    Run("URL", selection);
    Run("OTHER", selection);
    std::vector<std::u16string> addresses;
    for (const BrowserEvent& event : top->Log()->events) {
        if (event.kind == BrowserEvent::kNavigate || event.kind == BrowserEvent::kOpen)
            addresses.push_back(event.address);
    }
    ASSERT_EQ(addresses.size(), 3u);
    EXPECT_TRUE(addresses[0] == u"mailto:" + encoded + u"?subject=");
    EXPECT_TRUE(addresses[1] == u"w?q=" + encoded);
    EXPECT_TRUE(addresses[2] == u"o?q=" + encoded) << "the confirmed text, collapsed";
    EXPECT_TRUE(Messages().empty());
}

} // namespace
} // namespace tandrel
