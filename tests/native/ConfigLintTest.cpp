// The configuration checker: one case per thing it reports, inputs it must leave alone, its line
// reading against the parser, and the stored texts.
#include "TestPlatform.h"

#include "config/ConfigLines.h"
#include "config/ConfigLoader.h"
#include "config/ConfigParser.h"
#include "config/Link.h"
#include "lint/ConfigLint.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace tandrel {
namespace {

/// A finding expected on a line, named by the pieces of its message that carry the point.
struct Expected {
    int line;
    std::vector<std::string> fragments;
};

struct LintCase {
    const char* what;
    std::string text;
    std::vector<Expected> expected;
    LintedText kind = LintedText::LinkConfiguration;
};

// The findings' texts come from the platform's string table.
class ConfigLint : public ::testing::Test {
protected:
    test::MemoryPlatformScope scope;
};

std::string Dump(const std::vector<LintFinding>& findings) {
    std::ostringstream out;
    for (const LintFinding& finding : findings)
        out << "\n  " << finding.line << ": " << finding.message;
    return out.str();
}

void ExpectFindings(const LintCase& test) {
    std::vector<LintFinding> findings = LintConfigText(test.text, test.kind);
    ASSERT_EQ(findings.size(), test.expected.size()) << test.what << Dump(findings);
    for (std::size_t i = 0; i < findings.size(); ++i) {
        EXPECT_EQ(findings[i].line, test.expected[i].line) << test.what << Dump(findings);
        for (const std::string& fragment : test.expected[i].fragments) {
            EXPECT_NE(findings[i].message.find(fragment), std::string::npos)
                << test.what << ": no \"" << fragment << "\" in" << Dump(findings);
        }
    }
}

const LintCase kTextAndLineCases[] = {
    {"UTF-8 byte-order mark before a head",
     "\xEF\xBB\xBF[ISBN:X]\r\nurl=a\r\n",
     {{1, {"the head is not read as a head, and its keys are dropped"}},
      {2, {"key line before the first section head: the reader drops it"}}}},
    {"UTF-8 byte-order mark before a comment",
     "\xEF\xBB\xBF# mine\r\n[ISBN:X]\r\nurl=a\r\n",
     {{1, {"UTF-8 byte-order mark, whose bytes the reader takes as text of this line; save"}}}},
    {"UTF-16 text", std::string("\xFF\xFE[\0I\0:\0X\0]\0\r\0\n\0", 16), {{1, {"reads nothing"}}}},
    {"key line before the first head",
     "url=a\n[ISBN:X]\nurl=b\n",
     {{1, {"key line before the first section head"}}}},
    {"line without head or =",
     "[ISBN:X]\nurl=a\njust words\n",
     {{3, {"neither a section head nor \"=\": the reader ignores it"}}}},
    {"line starting with =", "[ISBN:X]\nurl=a\n  =b=c\n", {{3, {"starts with \"=\""}}}},
    {"head without ]",
     "[ISBN:X\nurl=a\n[ISBN:Y  \r\nurl=b",
     {{1, {"whole rest of the line, \"ISBN:X\""}}, {3, {"whole rest of the line, \"ISBN:Y  \""}}}},
    {"words after ]", "[ISBN:X] url=a\nurl=b\n", {{1, {"after \"]\" is ignored: \"url=a\""}}}},
    {"line numbers count CR LF, LF and CR alone",
     "words\r\n\r[BOOK:A]\n\rfoo=1\r\n",
     {{1, {"neither"}}, {3, {"does nothing"}}, {5, {"\"foo\""}}}},
};

const LintCase kSectionCases[] = {
    {"unknown prefix, close to a known one",
     "[BOOKS:X]\nurl=a\nfoo=b\nwords\n",
     {{1, {"section \"BOOKS:X\" has no prefix the system reads", "did you mean \"BOOK:\"?"}}}},
    {"unknown prefix without colon",
     "[Links]\nurl=a\n",
     {{1,
       {"(BOOK:, CURRENCY:, EMAIL:, ISBN:, MOVIE:, MUSIC:, OTHER:, SEARCH:, STOCK:, TRANSLATE:, "
        "UPC:, URL:, UNIT:): the reader ignores it and its keys"}}}},
    {"system section in the link configuration",
     "[SYSTEM:Home]\nurl=a\n[System:Help]\nurl=b\n",
     {{1, {"read from the module only"}}, {3, {"read from the module only"}}}},
    {"other section in the system links",
     "[SYSTEM:Home]\nurl=a\n[ISBN:X]\nurl=b\n",
     {{3, {"only \"SYSTEM:\" sections are read"}}},
     LintedText::SystemLinks},
    {"two links of one name",
     "[BOOK:A]\nurl=a\n[BOOK:B]\nurl=b\n[BOOK:A]\nurl=c\n",
     {{5,
       {"\"BOOK:A\" is also headed on line 1: both entries are kept, but they share one "
        "remembered choice"}}}},
    {"two links differing in letter case",
     "[BOOK:Amazon]\nurl=a\n[book:amazon]\nurl=b\n",
     {{3, {"differs from \"BOOK:Amazon\" (line 1) only in letter case"}}}},
    {"two system entries of one name",
     "[SYSTEM:Help]\nurl=a\n[SYSTEM:Help]\nurl=b\n",
     {{3, {"both entries run"}}},
     LintedText::SystemLinks},
    {"two unit sections of one name",
     "[UNIT:Minute]\ncategory=time\nten+0=minutes\n[UNIT:Minute]\ncategory=angle\nten+0=arc\n",
     {{4, {"separate sets of units"}}}},
    {"unit sections whose names differ only in letter case",
     "[UNIT:Minute]\ncategory=time\nten+0=minutes\n[UNIT:minute]\ncategory=angle\nten+0=arc\n"
     "[Unit:Minute]\ncategory=angle\nten+0=arc2\n",
     {}},
    {"link that does nothing",
     "[BOOK:A]\nshortDescription=A\nurl=\nMailTo=\n",
     {{1, {"entry \"BOOK:A\" has no url, href, command or mail key with a value"}}}},
    {"link whose url loses to its href",
     "[TRANSLATE:A]\nhref=https://t.example/\nurl=https://u.example/\n",
     {{3, {"follows href and never opens url"}}}},
    {"unit without category",
     "[UNIT:X]\nten+0=x\n[UNIT:Y]\ncategory=\nten+0=y\n",
     {{1, {"no category (or an empty one): the reader ignores the whole section"}},
      {3, {"no category"}}}},
    {"unit without power line",
     "[UNIT:X]\ncategory=time\na=2\nten+3=\n",
     {{1, {"it adds no unit"}}}},
};

const LintCase kKeyCases[] = {
    {"unread link key with a suggestion",
     "[OTHER:Ping]\ncommand=ping.exe !H\nURLEncode=n\n",
     {{3,
       {"ignores the key \"URLEncode\": link entries have no such key; did you mean "
        "\"URLEncoded\"?"}}}},
    {"titleBar", "[BOOK:A]\nurl=a\ntitleBar=no\n", {{3, {"always shown"}}}},
    {"unread unit key",
     "[UNIT:X]\ncategory=time\nten+0=s\nfactor=2\n",
     {{4, {"unit sections read category, a, b, invert and ten-18 to ten+18"}}}},
    {"blank before =",
     "[BOOK:A]\nurl = a\n",
     {{1, {"does nothing"}},
      {2, {"blank before \"=\": the reader keeps it in the key, \"url \""}}}},
    {"blank before = keeps the written value in its advice",
     "[BOOK:A]\nurl\t= https://x.example/\n",
     {{1, {"does nothing"}}, {2, {"write url=https://x.example/"}}}},
    {"blank before = of an unread key",
     "[BOOK:A]\nurl=a\nfoo = 1\n",
     {{3, {"ignores the key \"foo \""}}}},
    {"repeated key",
     "[ISBN:X]\nUrl=a\nurl=b\nexclusive=y\nexclusive=n\n",
     {{3,
       {"\"url\" repeats the key \"Url\" of line 2 (keys ignore letter case): this later value "
        "wins"}},
      {5, {"\"exclusive\" repeats the key \"exclusive\" of line 4: this later"}}}},
    {"power key forms",
     "[UNIT:X]\ncategory=c\nten0=a\nten-0=b\nten+03=c\nten+19=d\nten-19=e\nTEN+3=f\n",
     {{3, {"did you mean \"ten+0\"?"}},
      {4, {"did you mean \"ten+0\"?"}},
      {5, {"did you mean \"ten+3\"?"}},
      {6, {"the powers go from ten-18 to ten+18"}},
      {7, {"the powers go from ten-18 to ten+18"}}}},
};

const LintCase kValueCases[] = {
    {"flag neither yes nor no",
     "[BOOK:A]\nurl=a\nexclusive=on\nURLEncoded=off\ndefaultSelected= yes\n",
     {{3, {"\"on\" of exclusive is neither yes nor no", "keeps its default, no"}},
      {4, {"keeps its default, yes"}},
      {5, {"\" yes\" of defaultSelected"}}}},
    {"unit invert neither yes nor no",
     "[UNIT:X]\ncategory=c\ninvert=maybe\nten+0=x\n",
     {{3, {"keeps its default, no"}}}},
    {"empty windowName", "[BOOK:A]\nurl=a\nwindowName=\n", {{3, {"\"_blank\""}}}},
    {"dimensions the window cannot use",
     "[BOOK:A]\nurl=a\nwidth=40px\nheight=40 %\nleft=abc\ntop=50%x\n",
     {{3, {"\"40px\" of width is not read, so the window gets no width"}},
      {4, {"\"40 %\" of height is not read"}},
      {5, {"\"abc\" of left"}},
      {6, {"the text after \"%\" in \"50%x\" of top is ignored"}}}},
    {"unit numbers",
     "[UNIT:X]\ncategory=c\na=abc\nb=0,5\nten+0=x\n",
     {{3, {"holds no number: the reader uses the default, 1"}},
      {4, {"\"0\"; the rest, \",5\", is ignored"}}}},
    {"unit offset without number",
     "[UNIT:X]\ncategory=c\nB=none\nten+0=x\n",
     {{3, {"\"none\" of B holds no number: the reader uses the default, 0"}}}},
    {"category with blanks",
     "[UNIT:X]\ncategory= distance\nten+0=x\n",
     {{2, {"a category of its own, not \"distance\""}}}},
    {"blank first alias",
     "[UNIT:X]\ncategory=c\nten+0=,metres\nten+3= \t,km\n",
     {{3, {"first alias of ten+0 is blank"}}, {4, {"first alias of ten+3 is blank"}}}},
    {"aliases after a blank",
     "[UNIT:X]\ncategory=c\nten+0=metres, m,metre, meter\n",
     {{3, {"\" m\", \" meter\" begins with a blank"}}}},
    {"macro in href",
     "[TRANSLATE:A]\nhref=https://t.example/?u=!U\n",
     {{2, {"\"!U\" reaches the page as written"}}}},
    // The checker knows the macros from the expansion's own table, "!-" among them; a letter
    // that names no macro stays "!" and the letter in a url too, so it is no finding in href.
    {"the macro of the selection but its last character in href",
     "[TRANSLATE:A]\nhref=https://t.example/?q=!-\n",
     {{2, {"\"!-\" reaches the page as written"}}}},
    {"a letter that names no macro in href", "[TRANSLATE:A]\nhref=https://t.example/?q=!Z!9\n", {}},
    // Where the page's values stand in a command: never as the program; as a whole argument
    // only quoted, encoded or where the interpreter's rules apply.
    {"commands whose program the page names",
     "[OTHER:A]\ncommand=!S --x\n[OTHER:B]\ncommand=\"C:/Tools/!s.exe\" a\n[OTHER:C]\n"
     "command=!I/tool.exe \"!S\"\n",
     {{2, {"takes the name of its program from the page (\"!S\")", "never starts"}},
      {4, {"(\"C:/Tools/!s.exe\")"}}}},
    {"page values the page can split into arguments",
     "[OTHER:A]\ncommand=tool.exe !S \"!T\" x!U !H\nURLEncoded=n\n"
     "[OTHER:B]\ncommand=tool.exe !S\n[OTHER:C]\ncommand=tool.exe !S\nURLEncoded=n\n"
     "useConsole=y\n[OTHER:D]\ncommand=C:/run.BAT !S\nURLEncoded=n\n",
     {{2, {"!S stands unquoted as a whole argument with URLEncoded=no", "write \"!S\""}},
      {2, {"!H stands unquoted"}}}},
    {"charset the reader does not know",
     "[BOOK:A]\nurl=a\nURLCharset=utf8\n[BOOK:B]\nurl=b\nurlcharset=UTF-8\n[BOOK:C]\nurl="
     "c\nURLCharset=\n",
     {{3, {"\"utf8\" of URLCharset names no charset", "write windows-1252 or utf-8"}}}},
};

TEST_F(ConfigLint, ReportsTextAndLineFaults) {
    for (const LintCase& test : kTextAndLineCases)
        ExpectFindings(test);
}

TEST_F(ConfigLint, ReportsSectionFaults) {
    for (const LintCase& test : kSectionCases)
        ExpectFindings(test);
}

TEST_F(ConfigLint, ReportsKeyFaults) {
    for (const LintCase& test : kKeyCases)
        ExpectFindings(test);
}

TEST_F(ConfigLint, ReportsValueFaults) {
    for (const LintCase& test : kValueCases)
        ExpectFindings(test);
}

TEST_F(ConfigLint, SuggestsOnlyCloseKeys) {
    const struct {
        const char* key;
        const char* suggestion; ///< empty: no suggestion expected
    } kCases[] = {
        {"widowName", "windowName"},
        {"DefaultSelect", "defaultSelected"},
        {"mialto", "MailTo"},
        {"short Description", "shortDescription"},
        {"foo", ""},
        {"shortDesc", ""},
        {"z", ""},
        {"href2", "href"},
    };
    for (const auto& test : kCases) {
        std::vector<LintFinding> findings =
            LintConfigText("[BOOK:A]\nurl=a\n" + std::string(test.key) + "=1\n");
        ASSERT_EQ(findings.size(), 1u) << test.key << Dump(findings);
        std::string::size_type at = findings[0].message.find("did you mean");
        if (*test.suggestion == '\0') {
            EXPECT_EQ(at, std::string::npos) << test.key << Dump(findings);
            continue;
        }
        EXPECT_NE(findings[0].message.find("did you mean \"" + std::string(test.suggestion)),
                  std::string::npos)
            << test.key << Dump(findings);
    }
}

const char kWellWritten[] = "# My links\r\n"
                            "; another comment, with = and [brackets]\r\n"
                            "\r\n"
                            "[ISBN:Mine] ; a comment after the head is ignored on purpose\r\n"
                            "ShortDescription=My shop\r\n"
                            "url=https://shop.example/?q=!S&x=#y;z\r\n"
                            "WindowName=Mine\r\n"
                            "defaultSelected=Yes\r\n"
                            "exclusive=0\r\n"
                            "URLEncoded=true\r\n"
                            "useConsole=\r\n"
                            "Width=40%\r\n"
                            "Height=80%\r\n"
                            "Left=-40%\r\n"
                            "Top=0\r\n"
                            "\r\n"
                            "[isbn:Other]\r\n"
                            "url=https://other.example/?q=!s\r\n"
                            "width= 300\r\n"
                            "height=1e2\r\n"
                            "\r\n"
                            "[EMAIL:Quote]\r\n"
                            "MailSubject=!t\r\n"
                            "MailBody=!S\\n\\n[Extracted from !u]\r\n"
                            "\r\n"
                            "[OTHER:Ping]\r\n"
                            "command=ping.exe !H\r\n"
                            "useConsole=y\r\n"
                            "leaveConsole=Y\r\n"
                            "URLEncoded=n\r\n"
                            "\r\n"
                            "[TRANSLATE:A]\r\n"
                            "href=javascript:void(!top.x)\r\n"
                            "windowName=_top\r\n"
                            "\r\n"
                            "[UNIT:Metre]\r\n"
                            "category=distance\r\n"
                            "a=1\r\n"
                            "b=0 \r\n"
                            "invert=no\r\n"
                            "ten-3=millimetres,mm\r\n"
                            "ten+0=metres,m.,m,\r\n"
                            "TEN+3=kilometres,km\r\n"
                            "[Unit:Mile]\r\n"
                            "Category=distance\r\n"
                            "a=1609.344\r\n"
                            "ten+0=miles,mi\r\n"
                            "[UNIT:Kelvin]\r\n"
                            "category=temperature\r\n"
                            "b=-273.15\r\n"
                            "a=3.11034e-2\r\n"
                            "ten+0=Kelvin,\xB0K,K\r\n";

std::string Replace(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

TEST_F(ConfigLint, LeavesWellWrittenTextsAlone) {
    const std::string wellWritten = kWellWritten;
    const struct {
        const char* what;
        std::string text;
    } kCases[] = {
        {"CR LF", wellWritten},
        {"LF", Replace(wellWritten, "\r\n", "\n")},
        {"CR alone", Replace(wellWritten, "\r\n", "\r")},
        {"indented with tabs and spaces", Replace(wellWritten, "\r\n", "\r\n \t ")},
        {"no line end after the last line", wellWritten.substr(0, wellWritten.size() - 2)},
        {"empty", ""},
        {"only blanks and comments", "  \r\n\t# a\r\n;b=c\r\n   #[ISBN:X]\r\n"},
    };
    for (const auto& test : kCases) {
        std::vector<LintFinding> findings = LintConfigText(test.text);
        EXPECT_TRUE(findings.empty()) << test.what << Dump(findings);
    }
}

std::string_view StoredText(int id) {
    return CurrentPlatform().module->FindModuleResource(kStoredTextType, id).value_or("");
}

/// A finding of the stored default, by the section it falls in and the text of its line.
struct StoredFinding {
    std::string section;
    std::string line;
    std::string fragment;
};

std::vector<StoredFinding> Describe(std::string_view text,
                                    const std::vector<LintFinding>& findings) {
    std::vector<StoredFinding> described;
    for (const LintFinding& finding : findings) {
        std::string section;
        CConfigLineReader reader(text);
        ConfigLine line;
        while (reader.Next(line) && line.number < finding.line) {
            if (line.kind == ConfigLine::Kind::Head)
                section = std::string(line.name);
        }
        if (line.kind == ConfigLine::Kind::Head)
            section = std::string(line.name);
        described.push_back({section, std::string(line.text), ""});
    }
    return described;
}

// The stored default keeps the layout of the configuration it stands in for, and with it these
// findings: the console entries spell the URL-encoding key "URLEncode", which nothing reads (so
// ping and trace route get their host name URL-encoded, harmless for host names); the head of
// the simple year has no "]" (it still names "UNIT:SimpleYear"); the author and keyword searches
// of two book sites share a name, and so do the time and angle minutes. Anything else found here
// is a new fault of the stored default.
TEST_F(ConfigLint, StoredDefaultHasOnlyItsDeliberateFindings) {
    std::string_view text = StoredText(kDefaultLinksTextId);
    ASSERT_FALSE(text.empty());
    std::vector<LintFinding> findings = LintConfigText(text);
    const StoredFinding expected[] = {
        {"BOOK:AlibrisCom", "[BOOK:AlibrisCom]", "is also headed on line"},
        {"BOOK:BnCom1", "[BOOK:BnCom1]", "is also headed on line"},
        {"OTHER:Ping", "URLEncode=n", "did you mean \"URLEncoded\"?"},
        {"OTHER:TraceRoute", "URLEncode=n", "did you mean \"URLEncoded\"?"},
        {"UNIT:SimpleYear", "[UNIT:SimpleYear", "the head has no \"]\""},
        {"UNIT:Minute", "[UNIT:Minute]", "is also headed on line"},
    };
    std::vector<StoredFinding> found = Describe(text, findings);
    ASSERT_EQ(found.size(), std::size(expected)) << Dump(findings);
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].section, expected[i].section) << Dump(findings);
        EXPECT_EQ(found[i].line, expected[i].line) << Dump(findings);
        EXPECT_NE(findings[i].message.find(expected[i].fragment), std::string::npos)
            << Dump(findings);
    }
}

TEST_F(ConfigLint, StoredSystemLinksAreClean) {
    std::string_view text = StoredText(kSystemLinksTextId);
    ASSERT_FALSE(text.empty());
    EXPECT_TRUE(LintConfigText(text, LintedText::SystemLinks).empty())
        << Dump(LintConfigText(text, LintedText::SystemLinks));
    // Read as a link configuration, every one of its sections is ignored.
    CSectionList system;
    ParseConfigText(system, text, "SYSTEM:");
    EXPECT_EQ(LintConfigText(text).size(), system.size());
}

} // namespace
} // namespace tandrel
