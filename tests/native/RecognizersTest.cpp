// The ISBN, EAN, UPC and stock-symbol recognisers, and the page's use of them.
#include "LiteralRecognizers.h"
#include "TestPlatform.h"

#include "common/TextConversion.h"
#include "page/MemoryBrowser.h"
#include "page/PageContext.h"
#include "recognizers/Recognizers.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <utility>

namespace tandrel {
namespace {

using Found = std::optional<std::u16string>;
using Finder = Found (*)(std::u16string_view);

std::string Show(std::u16string_view text) {
    return WideToUtf8(std::u16string(text));
}

std::string ShowFound(const Found& found) {
    return found ? "[" + Show(*found) + "]" : "none";
}

using test::LiteralEan13;
using test::LiteralStockSymbol;

std::u16string RandomText(std::mt19937& random, std::u16string_view common,
                          std::u16string_view rare, std::size_t maxLength) {
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<int> percent(0, 99);
    std::u16string text(length(random), u' ');
    for (char16_t& ch : text) {
        std::u16string_view from = percent(random) < 85 ? common : rare;
        ch = from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    }
    return text;
}

TEST(Recognizers, CharacterClassesAreFixed) {
    const std::pair<char16_t, bool> digits[] = {
        {u'0', true},    {u'9', true},    {u'/', false},   {u':', false},  {0x0660, true},
        {0x0669, true},  {0x066A, false}, {0x065F, false}, {0xFF19, true}, {0xFF1A, false},
        {0x00B2, false}, {0xFFFF, false}, {0x0000, false}};
    for (const auto& [ch, expected] : digits)
        EXPECT_EQ(IsWideDecimalDigit(ch), expected) << std::hex << int(ch);
    const std::pair<char16_t, bool> lowercase[] = {
        {u'a', true},   {u'z', true},    {u'A', false},  {u'`', false},   {0x00B5, true},
        {0x00DF, true}, {0x00F7, false}, {0x00FF, true}, {0x00C0, false}, {0x0101, false}};
    for (const auto& [ch, expected] : lowercase)
        EXPECT_EQ(IsWideLowercase(ch), expected) << std::hex << int(ch);
}

TEST(Recognizers, ChecksWeighAndAcceptOnlyAsciiDigits) {
    const std::tuple<bool (*)(std::u16string_view), std::u16string_view, bool> cases[] = {
        {IsValidIsbn10, u"0306406152", true},       {IsValidIsbn10, u"0306406153", false},
        {IsValidIsbn10, u"080442957X", true},       {IsValidIsbn10, u"080442957x", true},
        {IsValidIsbn10, u"X804429570", false},      {IsValidIsbn10, u"030640615", false},
        {IsValidIsbn10, u"\u0660306406152", false}, {IsValidEan13, u"9780306406157", true},
        {IsValidEan13, u"9780306406158", false},    {IsValidEan13, u"978030640615", false},
        {IsValidEan13, u"978030640615X", false},    {IsValidUpcA, u"036000291452", true},
        {IsValidUpcA, u"036000291453", false},      {IsValidUpcA, u"36000291452", false}};
    for (const auto& [check, code, expected] : cases)
        EXPECT_EQ(check(code), expected) << Show(code);
}

TEST(Recognizers, FindersOnTheirTables) {
    const std::tuple<Finder, std::u16string_view, Found> cases[] = {
        {FindIsbn10, u"ISBN 0-306-40615-2", u"0306406152"},
        {FindIsbn10, u"0-8044-2957-x", u"080442957X"},
        {FindIsbn10, u"080442957xx", u"080442957X"},
        {FindIsbn10, u"08044295X7", std::nullopt},
        {FindIsbn10, u"0306406152 12", std::nullopt},
        {FindIsbn10, u"0306406152, 12", u"0306406152"},
        {FindIsbn10, u"0306406153-0306406152", std::nullopt},
        {FindIsbn10, u"0306406153/0306406152", u"0306406152"},
        // A code followed or led by other numbers: the run's pieces between blanks.
        {FindIsbn10, u"ISBN 0306406152 1998", u"0306406152"},
        {FindIsbn10, u"ISBN 0-306-40615-2 - 2nd edition", u"0306406152"},
        {FindIsbn10, u"1998 0306406152", u"0306406152"},
        {FindIsbn10, u"0306406153 0306406152", u"0306406152"},
        {FindIsbn10, u"0-8044-2957-x 1998", u"080442957X"},
        {FindIsbn10, u"0306406152 123", std::nullopt},    // 13 digits: an EAN-13 in groups?
        {FindIsbn10, u"03064 06152 1998", std::nullopt},  // no piece is a whole code
        {FindIsbn10, u"0306406152-1998 x", std::nullopt}, // hyphens join pieces
        {FindIsbn10, u"0306406152 1998", u"0306406152"},  // only a space joins runs
        {FindIsbn10, u"0306406152\u0660", std::nullopt},
        {FindIsbn10, u"\u0660306406152", std::nullopt},
        {FindIsbn10, u"", std::nullopt},
        // A label's number is no part of a code, nor a code's start; a number that runs on
        // into digits is no label's.
        {FindIsbn10, u"ISBN-10: 0-306-40615-2", u"0306406152"},
        {FindIsbn10, u"ISBN 10 0306406152", u"0306406152"},
        {FindIsbn10, u"isbn_10 0306406152 (pbk)", u"0306406152"},
        {FindEan13, u"ISBN-13: 978-0-7564-0407-9", u"9780756404079"},
        {FindEan13, u"EAN 13 4006381333931", u"4006381333931"},
        {FindEan13, u"xEAN 13 4006381333931", u"1340063813339"},
        {FindEan13, u"ISBN 1397807564040", u"1397807564040"},
        {FindUpc12, u"UPC-12: 0 36000 29145 2", u"036000291452"},
        {FindUpc12, u"UPC-A 036000291452", u"036000291452"},
        {CompleteUpc11, u"EAN-8 03600029145", u"036000291452"},
        {FindEan13, u"978-0-306-40615-7", u"9780306406157"},
        {FindEan13, u"ISBN 978 0 306 40615 7", u"9780306406157"},
        {FindEan13, u"97803064061571", u"9780306406157"},
        {FindEan13, u"9780306406157", u"9780306406157"},
        {FindEan13, u"978030640615a7 and more text", std::nullopt},
        {FindEan13, u"5a9780306406157", u"9780306406157"},
        {FindEan13, u"9780306406157\u0661", u"9780306406157"},
        {FindEan13, u"978\u06610306406157", u"9780306406157"},
        {FindEan13, u"978030640615", std::nullopt},
        {FindEan13, u"", std::nullopt},
        {EanToIsbn10, u"9780306406157", u"0306406152"},
        {EanToIsbn10, u"9780804429573", u"080442957X"},
        {EanToIsbn10, u"9780306406158", std::nullopt},
        {EanToIsbn10, u"9791034304547", std::nullopt},
        {EanToIsbn10, u"5012345678900", std::nullopt},
        {EanToIsbn10, u"978-0306406157", std::nullopt},
        {FindUpc12, u"0 36000 29145 2", u"036000291452"},
        {FindUpc12, u"036000291452 1", std::nullopt},
        {FindUpc12, u"UPC 036000291453; 036000291452.", u"036000291452"},
        {FindUpc12, u"36000291452", std::nullopt},
        {FindUpc12, u"036000291452 1998", u"036000291452"},
        {FindUpc12, u"12 pack 036000291452 12", u"036000291452"},
        {FindShortUpc, u"36000291452", u"036000291452"},
        {FindShortUpc, u"4210000522", u"004210000522"},
        {FindShortUpc, u"036000291452", u"036000291452"},
        {FindShortUpc, u"421000052", std::nullopt},
        {FindShortUpc, u"0036000291452", std::nullopt},
        {FindShortUpc, u"3600029145 2", u"036000291452"},
        {FindShortUpc, u"36000291453/73940000119", u"073940000119"},
        {FindShortUpc, u"36000291452 1998", u"036000291452"},
        {FindShortUpc, u"36000291452 12", std::nullopt}, // 13 digits, taken whole
        {CompleteUpc11, u"03600029145", u"036000291452"},
        {CompleteUpc11, u"036000 29145", std::nullopt},
        {CompleteUpc11, u"123 036000291452 03600029145x", u"036000291452"},
        {CompleteUpc11, u"0123456789", std::nullopt},
        {CompleteUpc11, u"07394000011", u"073940000119"}};
    for (const auto& [find, text, expected] : cases)
        EXPECT_EQ(find(text), expected) << Show(text) << " gave " << ShowFound(find(text));
}

TEST(Recognizers, StockSymbols) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"Acme Widgets Inc. (ACME)", u"ACME"},
        {u"IBM shares", u"IBM"},
        {u"Microsoft", u""},
        {u"McDonald's", u""},
        {u"eBAY", u"eBAY"},
        {u"MSFT. is up", u"MSFT"},
        {u"The price of MSFT.", u"MSFT."},
        {u"BRK.A", u"BRK.A"},
        {u"see NYSE:IBM today", u"IBM"},
        {u"NYSE:", u"NYSE"},
        {u"NASDAQ:eBay", u"NASDAQ"},
        {u"()", u"()"},
        {u"", u""},
        {u"ACME) (x", u""},
        {u"(IBM) and (T)", u"IBM"},
        {u"caf\u00E9IBM now", u""},
        {u"\u0100IBM now", u"IBM"},
        {u"NYSE:LSE:VOD plc", u"VOD"},
        {u"NYSE:(IBM", u"IBM"},
        {u"see  xA", u"see  xA"},
        {u"ABC:dEF", u":dEF"},
        {u"(x NYSE:(aIBM) b) c", u":(aIBM) b"}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(FindStockSymbol(text), expected) << Show(text);
}

// Texts made of codes, other numbers and the characters that join, cut or end runs, so that
// runs of every length and pieces that are whole codes come often.
std::u16string RandomCodeText(std::mt19937& random) {
    const std::u16string_view tokens[] = {u"0306406152",  u"080442957", u"036000291452",
                                          u"36000291452", u"1998",      u"12",
                                          u"7",           u" ",         u" ",
                                          u"-",           u"x",         u",",
                                          u"\u0660"};
    std::uniform_int_distribution<std::size_t> count(0, 8);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(tokens) - 1);
    std::u16string text;
    for (std::size_t n = count(random); n > 0; --n)
        text += tokens[pick(random)];
    return text;
}

// The one-pass searches must give what the restarting rules give, text for text.
TEST(Recognizers, LinearSearchesAgreeWithTheLiteralRules) {
    std::mt19937 random(20240611);
    for (int i = 0; i < 40000; ++i) {
        std::u16string text = RandomCodeText(random);
        ASSERT_EQ(FindIsbn10(text), test::LiteralIsbn10(text)) << Show(text);
        ASSERT_EQ(FindUpc12(text), test::LiteralUpc12(text)) << Show(text);
        ASSERT_EQ(FindShortUpc(text), test::LiteralShortUpc(text)) << Show(text);
    }
    for (int i = 0; i < 40000; ++i) {
        std::u16string text = RandomText(random, u"0123456789", u" -aZ/\u0660", 45);
        ASSERT_EQ(FindEan13(text), LiteralEan13(text)) << Show(text);
    }
    for (int i = 0; i < 40000; ++i) {
        std::u16string text = RandomText(random, u"A.Zb:() ", u"\u00E9\u00F7x", 30);
        ASSERT_EQ(FindStockSymbol(text), LiteralStockSymbol(text)) << Show(text);
    }
    std::u16string exchanges;
    for (int i = 0; i < 300; ++i)
        exchanges += i % 7 == 0 ? u"A:(b" : u"A:";
    for (std::u16string_view tail : {u"", u"x", u"C", u"bC", u")"})
        EXPECT_EQ(FindStockSymbol(exchanges + std::u16string(tail)),
                  LiteralStockSymbol(exchanges + std::u16string(tail)));
}

struct PageSources {
    std::u16string text, html, frameUrl, topUrl;
};

class PageRecognizers : public ::testing::Test {
protected:
    CPageContext Page(const PageSources& sources) {
        auto top = std::make_shared<CMemoryWindow>();
        top->href = sources.topUrl;
        auto frame = top->MakeFrame();
        frame->href = sources.frameUrl;
        frame->selection = SelectionText{sources.text, sources.html};
        CPageContext page;
        EXPECT_EQ(page.Load(frame), kOk);
        return page;
    }
    test::MemoryPlatformScope scope;
};

TEST_F(PageRecognizers, IsbnTriesEachSourceForTenThenThirteenInOrder) {
    const std::pair<PageSources, std::u16string> cases[] = {
        {{u"0306406152", u"080442957X", u"", u""}, u"0306406152"},
        {{u"9780306406157", u"080442957X", u"", u""}, u"080442957X"},
        {{u"9780306406157", u"9780804429573", u"", u""}, u"0306406152"},
        // A 979 ISBN stays whole; only the first EAN-13 of a text is looked at.
        {{u"9791034304547 9780306406157", u"", u"", u""}, u"9791034304547"},
        {{u"4006381333931 9780306406157", u"", u"", u""}, u""},
        {{u"9791034304547", u"9780804429573", u"", u""}, u"9791034304547"},
        {{u"", u"", u"http://x/9780306406157", u"http://x/080442957X"}, u"0306406152"},
        {{u"", u"", u"http://x/", u"http://x/9780306406157"}, u"0306406152"},
        {{u"1", u"2", u"http://x/3", u"http://x/4"}, u""}};
    for (const auto& [sources, expected] : cases)
        EXPECT_EQ(Page(sources).IsbnFromContext(), expected) << Show(sources.text);
}

TEST_F(PageRecognizers, UpcTriesEachFinderOnAllSourcesInOrder) {
    const std::pair<PageSources, std::u16string> cases[] = {
        {{u"73940000119", u"036000291452", u"", u""}, u"036000291452"},
        {{u"03600029145", u"", u"http://x/73940000119", u""}, u"073940000119"},
        {{u"", u"03600029145", u"", u"http://x/07394000011"}, u"036000291452"},
        {{u"", u"", u"", u"http://x/?upc=036000291452"}, u"036000291452"},
        {{u"1", u"", u"", u""}, u""}};
    for (const auto& [sources, expected] : cases)
        EXPECT_EQ(Page(sources).UpcFromContext(), expected) << Show(sources.text);
}

TEST_F(PageRecognizers, CodesAreFoundOnceSymbolsEveryTime) {
    CPageContext found = Page({u"0306406152, 036000291452", u"", u"", u""});
    EXPECT_EQ(found.IsbnFromContext(), u"0306406152");
    EXPECT_EQ(found.UpcFromContext(), u"036000291452");
    found.SetSelection(u"080442957X, 073940000119");
    EXPECT_EQ(found.IsbnFromContext(), u"0306406152");
    EXPECT_EQ(found.UpcFromContext(), u"036000291452");

    CPageContext empty = Page({u"", u"", u"", u""});
    EXPECT_EQ(empty.IsbnFromContext(), u"");
    EXPECT_EQ(empty.UpcFromContext(), u"");
    empty.SetSelection(u"0306406152, 036000291452");
    EXPECT_EQ(empty.IsbnFromContext(), u"") << "the empty answer is kept too";
    EXPECT_EQ(empty.UpcFromContext(), u"");

    empty.SetSelection(u"  eBAY");
    EXPECT_EQ(empty.StockSymbolFromContext(), u"  eBAY") << "the selection as it is";
    empty.SetSelection(u"IBM shares");
    EXPECT_EQ(empty.StockSymbolFromContext(), u"IBM");
}

} // namespace
} // namespace tandrel
