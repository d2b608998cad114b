// Templates against a framed page: every macro, the escapes, URL-encoding, registrable domains.
#include "ExpansionCases.h"
#include "TestPlatform.h"

#include "actions/MacroExpansion.h"
#include "page/HostDomain.h"
#include "page/MemoryBrowser.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

class MacroExpansion : public ::testing::Test {
protected:
    MacroExpansion() {
        scope.platform.module.SetModulePath(u"C:\\Program Files\\Veltrane Tandrel\\nubrix.dll");
        scope.platform.locale.currencySymbol = "CHF";
        auto top = std::make_shared<CMemoryWindow>();
        top->href = u"https://www.news.example.co.uk/world/";
        top->hostName = u"www.news.example.co.uk";
        top->title = u"Top title";
        top->name = u"main";
        auto frame = top->MakeFrame();
        frame->href = u"http://w.x.city.state.us/f.html";
        frame->hostName = u"w.x.city.state.us";
        frame->title = u"Frame title";
        frame->name = u"content";
        frame->selection = SelectionText{u"  \u00A350 & !S  \r\n x+#", u"<b>\u00A350</b>"};
        EXPECT_EQ(page.Load(frame), kOk);
    }

    std::u16string Expand(std::string_view text, bool encode = false) {
        return ExpandTemplate(text, page, encode);
    }

    test::MemoryPlatformScope scope;
    CPageContext page;
};

TEST_F(MacroExpansion, EveryMacroTakesItsValueTopOrFrame) {
    const std::pair<std::string_view, std::u16string_view> cases[] = {
        {"!!", u"!"},
        {"!S", u"  \u00A350 & !S  \r\n x+#"},
        {"!s", u"\u00A350 & !S x+#"},
        {"!-", u"  \u00A350 & !S  \r\n x+"},
        {"!O", u"<b>\u00A350</b>"},
        {"!o", u"<b>\u00A350</b>"},
        {"!U", u"https://www.news.example.co.uk/world/"},
        {"!u", u"http://w.x.city.state.us/f.html"},
        {"!H", u"www.news.example.co.uk"},
        {"!h", u"w.x.city.state.us"},
        {"!D", u"example.co.uk"},
        {"!d", u"x.city.state.us"},
        {"!T", u"Top title"},
        {"!t", u"Frame title"},
        {"!W", u"main"},
        {"!w", u"content"},
        {"!F", u"GBP"},
        {"!f", u"GBP"},
        {"!L", u"CHF"},
        {"!l", u"CHF"},
        {"!I", u"file:///C|/Program Files/Veltrane Tandrel/"},
        {"!i", u"file:///C|/Program Files/Veltrane Tandrel/"},
        {"!C", u"Veltrane Tandrel tandrel.veltrane.com/"},
        {"!c", u"Veltrane Tandrel tandrel.veltrane.com/"},
        {"!Z", u"!Z"},
        {"!\xE9", u"!\u00E9"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Expand(text), expected) << text;
}

TEST_F(MacroExpansion, EscapesAndTheEndsOfATemplate) {
    const std::pair<std::string_view, std::u16string_view> cases[] = {
        {"a\\nb\\sc\\td", u"a\r\nb c\td"},
        {"\\\\\\!S\\q", u"\\!Sq"},
        {"!!S", u"!S"},
        {"end!", u"end!"},
        {"end\\", u"end\\"},
        {"caf\xE9 %22!W%22", u"caf\u00E9 %22main%22"}, // template text is copied, never encoded
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Expand(text), expected) << text;
    EXPECT_EQ(Expand("!Z", true), u"!Z");
    EXPECT_EQ(Expand("\\n", true), u"%0D%0A");
    EXPECT_EQ(Expand("\\%", true), u"%25");
}

TEST_F(MacroExpansion, EncodesValuesButNeverTheModuleFolder) {
    EXPECT_EQ(Expand("q=!s&h=!h", true), u"q=%A350%20%26%20!S%20x%2B%23&h=w.x.city.state.us");
    EXPECT_EQ(Expand("!IHelpBook.htm", true),
              u"file:///C|/Program Files/Veltrane Tandrel/HelpBook.htm");
    EXPECT_EQ(UrlEncode(u"Az09!'()*-._~ +&#:/\u00E9\u00FF\u0100\u4E2D"),
              u"Az09!'()*-._~%20%2B%26%23%3A%2F%E9%FF%20%20");
}

// Windows-1252 writes one byte a character (its own for the 27 it has above Latin-1, a blank's
// for the rest); UTF-8 the bytes of every character, a surrogate pair as one.
TEST_F(MacroExpansion, EncodesInTheEntrysCharset) {
    const struct {
        std::u16string_view text;
        std::u16string_view windows1252;
        std::u16string_view utf8;
    } cases[] = {
        {u"a b~", u"a%20b~", u"a%20b~"},
        {u"\u00E9\u00FF", u"%E9%FF", u"%C3%A9%C3%BF"},
        {u"\u20AC\u201C\u0153", u"%80%93%9C", u"%E2%82%AC%E2%80%9C%C5%93"},
        {u"\u6771\u4EAC", u"%20%20", u"%E6%9D%B1%E4%BA%AC"},
        {u"\u0395\u03BB", u"%20%20", u"%CE%95%CE%BB"},
        {u"\xD83D\xDE00|\xDC00", u"%20%7C%20", u"%F0%9F%98%80%7C%EF%BF%BD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UrlEncode(c.text, UrlCharset::Windows1252), c.windows1252);
        EXPECT_EQ(UrlEncode(c.text, UrlCharset::Utf8), c.utf8);
    }
    // An escape is written in the entry's charset too: "\\" and a byte of the template.
    page.SetSelection(u"x");
    EXPECT_EQ(ExpandTemplate("q=!S\\\xE9", page, Substitution{true, false, UrlCharset::Utf8}),
              u"q=x%C3%A9");
    EXPECT_EQ(ExpandTemplate("q=!S\\\xE9", page, Substitution{true, false}), u"q=x%E9");
    // Values are put in once: a selection holding a macro stays as it is.
    page.SetSelection(u"!S\\n!I");
    EXPECT_EQ(Expand("[!S]"), u"[!S\\n!I]");
    EXPECT_EQ(Expand("[!S]", true), u"[!S%5Cn!I]");
}

TEST_F(MacroExpansion, DashDropsTheLastCharacter) {
    page.SetSelection(u"036000291452");
    EXPECT_EQ(Expand("!-"), u"03600029145");
    page.SetSelection(u"");
    EXPECT_EQ(Expand("[!-]"), u"[]");
}

// The Windows tests expand the same templates with the DLL's code on the real platform.
TEST(SharedExpansions, ExpandAsTheWindowsBuildMustToo) {
    test::MemoryPlatformScope scope;
    scope.platform.locale.currencySymbol = "USD";
    auto top = std::make_shared<CMemoryWindow>();
    top->href = std::u16string(test::kSharedTopUrl);
    top->hostName = std::u16string(test::kSharedTopHost);
    auto frame = top->MakeFrame();
    frame->href = std::u16string(test::kSharedFrameUrl);
    frame->hostName = std::u16string(test::kSharedFrameHost);
    frame->selection = SelectionText{std::u16string(test::kSharedSelection), u""};
    for (const test::SharedExpansion& shared : test::kSharedExpansions) {
        CPageContext page;
        ASSERT_EQ(page.Load(frame), kOk);
        EXPECT_EQ(ExpandTemplate(shared.templateText, page, shared.encode), shared.expected)
            << shared.templateText;
    }
}

TEST(DomainOfHost, TakesAsManyLabelsAsTheTopLevelDomainWants) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"x.y.co.uk", u"y.co.uk"},
        {u"x.y.com", u"y.com"},
        {u"w.x.city.state.us", u"x.city.state.us"},
        {u"a.b.c.example.de", u"example.de"},
        {u"a.b.example.XYZ", u"example.XYZ"}, // not in the table: two labels
        {u"a.b.example.CO.UK", u"CO.UK"},     // capitals are not found: two labels
        {u"example.co.uk", u"example.co.uk"}, // fewer labels than wanted
        {u"server", u"server"},
        {u"192.168.0.1", u"192.168.0.1"},
        {u"", u""},
        {u".com", u".com"},
    };
    for (const auto& [host, domain] : cases)
        EXPECT_EQ(DomainOfHost(host), domain) << std::string(host.begin(), host.end());
}

} // namespace
} // namespace tandrel
