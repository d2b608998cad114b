#include "ReferenceConfigParser.h"

#include "config/ConfigLines.h"
#include "config/ConfigParser.h"

#include <gtest/gtest.h>

#include <random>

namespace tandrel {
namespace {

// Every parsed section as "[name]key=value;key=value", sections joined by " ".
std::string Dump(const CSectionList& list) {
    std::string out;
    for (const CConfigSection& section : list) {
        if (!out.empty())
            out += " ";
        out += "[" + section.GetName() + "]";
        const char* separator = "";
        for (const auto& [key, value] : section.Values()) {
            out += separator + key + "=" + value;
            separator = ";";
        }
    }
    return out;
}

std::string Parse(std::string_view text, std::string_view prefix) {
    CSectionList list;
    ParseConfigText(list, text, prefix);
    return Dump(list);
}

struct GrammarCase {
    const char* what;
    std::string text;
    const char* prefix;
    const char* expected;
};

const GrammarCase kLineEnds[] = {
    {"CR LF", "[ISBN:X]\r\nurl=a\r\nname=b\r\n", "ISBN:", "[ISBN:X]name=b;url=a"},
    {"LF", "[ISBN:X]\nurl=a\nname=b\n", "ISBN:", "[ISBN:X]name=b;url=a"},
    {"CR alone", "[ISBN:X]\rurl=a\rname=b\r", "ISBN:", "[ISBN:X]name=b;url=a"},
    {"mixed", "[ISBN:X]\rurl=a\nname=b\r\n[ISBN:Y]\n\rc=d",
     "ISBN:", "[ISBN:X]name=b;url=a [ISBN:Y]c=d"},
    {"last line without line end", "[ISBN:X]\r\nurl=a", "ISBN:", "[ISBN:X]url=a"},
    {"empty value on the last line", "[ISBN:X]\nurl=", "ISBN:", "[ISBN:X]url="},
    {"head open at the end", "[ISBN:X", "ISBN:", "[ISBN:X]"},
    {"CR ends a line without its =", "[ISBN:X]\rwords\rurl=a", "ISBN:", "[ISBN:X]url=a"},
    {"empty text", "", "ISBN:", ""},
    {"only blanks", " \t\r\n\n ", "ISBN:", ""},
};

const GrammarCase kLineKinds[] = {
    {"indented head and key", "  [isbn:X]\n\t url=a", "ISBN:", "[isbn:X]url=a"},
    {"comments with # and ;", "[ISBN:X]\n#url=a\n;b=c\n  # d=e\n\t;f=g\nh=i",
     "ISBN:", "[ISBN:X]h=i"},
    {"commented head keeps the keys in the previous section", "[ISBN:X]\n#[ISBN:Y]\nurl=a",
     "ISBN:", "[ISBN:X]url=a"},
    {"commented head after a head of another prefix", "[BOOK:X]\n#[ISBN:Y]\nurl=a", "ISBN:", ""},
    {"trailing words after the head", "[ISBN:X] trailing words\nurl=a", "ISBN:", "[ISBN:X]url=a"},
    {"a key after the head on its line is ignored", "[ISBN:X] a=b\nurl=a",
     "ISBN:", "[ISBN:X]url=a"},
    {"head without ] takes the line", "[UNIT:SimpleYear\r\nfactor=1",
     "UNIT:", "[UNIT:SimpleYear]factor=1"},
    {"head name verbatim with blanks", "[ISBN: Two Words ]\nx=1", "ISBN:", "[ISBN: Two Words ]x=1"},
    {"blanks around = belong to key and value", "[ISBN:X]\nurl = a", "ISBN:", "[ISBN:X]url = a"},
    {"value keeps = # ; [ ] and backslashes", "[ISBN:X]\nurl=a=b #c;d[e]f\\g",
     "ISBN:", "[ISBN:X]url=a=b #c;d[e]f\\g"},
    {"a head inside a value is no head", "[ISBN:X]\nurl=[ISBN:Y]", "ISBN:", "[ISBN:X]url=[ISBN:Y]"},
    {"repeated key keeps the last value", "[ISBN:X]\nUrl=a\nurl=b\nURL=c\nx=1",
     "ISBN:", "[ISBN:X]url=c;x=1"},
    {"empty value is stored", "[ISBN:X]\ndefaultSelected=", "ISBN:", "[ISBN:X]defaultselected="},
    {"keys lowered, values kept", "[ISBN:X]\nMailTo=ABC\n\xC9T\xC9=\xC9",
     "ISBN:", "[ISBN:X]mailto=ABC;\xC9t\xC9=\xC9"},
    {"line without = is ignored", "[ISBN:X]\njust words\nurl=a", "ISBN:", "[ISBN:X]url=a"},
    {"a line starting with = keeps it in the key", "[ISBN:X]\n=a=b", "ISBN:", "[ISBN:X]=a=b"},
    {"only tab, LF, CR and space are blank",
     "[ISBN:X]\n\vurl=a\n\fb=c\n\xA0"
     "d=e",
     "ISBN:",
     "[ISBN:X]\vurl=a;\fb=c;\xA0"
     "d=e"},
    {"a key line that ends at the head of the next line", "[ISBN:X]\nurl\n[ISBN:Y]\nb=c",
     "ISBN:", "[ISBN:X] [ISBN:Y]b=c"},
};

const GrammarCase kSectionsAndPrefixes[] = {
    {"keys before any head are dropped", "url=a\n[ISBN:X]\nb=c", "ISBN:", "[ISBN:X]b=c"},
    {"keys under another prefix are dropped", "[BOOK:X]\nurl=a\n[ISBN:Y]\nb=c\n[BOOK:Z]\nd=e",
     "ISBN:", "[ISBN:Y]b=c"},
    {"prefix ignores ASCII case", "[Unit:Minute]\nf=60\n[UNIT:Hour]\nf=3600",
     "UNIT:", "[Unit:Minute]f=60 [UNIT:Hour]f=3600"},
    {"prefix only at the start of the name", "[XISBN:A]\n[ISBN]\n[ ISBN:B]\n[ISBN:]\na=1",
     "ISBN:", "[ISBN:]a=1"},
    {"two heads with one name stay apart", "[BOOK:A]\nx=1\n[BOOK:B]\n[BOOK:A]\nx=2",
     "BOOK:", "[BOOK:A]x=1 [BOOK:B] [BOOK:A]x=2"},
    {"UTF-8 byte-order mark hides the first head", "\xEF\xBB\xBF[ISBN:X]\nurl=a\n[ISBN:Y]\nb=c",
     "ISBN:", "[ISBN:Y]b=c"},
    {"empty prefix takes every head", "[A]\nx=1\n[]\ny=2", "", "[A]x=1 []y=2"},
    {"only comments", "# [ISBN:X]\n; url=a\n", "ISBN:", ""},
};

void CheckCases(const GrammarCase* begin, const GrammarCase* end) {
    for (const GrammarCase* c = begin; c != end; ++c)
        EXPECT_EQ(Parse(c->text, c->prefix), c->expected) << c->what;
}

TEST(ParseConfigText, LineEnds) {
    CheckCases(std::begin(kLineEnds), std::end(kLineEnds));
}

TEST(ParseConfigText, LineKinds) {
    CheckCases(std::begin(kLineKinds), std::end(kLineKinds));
}

TEST(ParseConfigText, SectionsAndPrefixes) {
    CheckCases(std::begin(kSectionsAndPrefixes), std::end(kSectionsAndPrefixes));
}

TEST(ParseConfigText, AppendsToWhatTheListHolds) {
    CSectionList list;
    ParseConfigText(list, "[ISBN:A]\nx=1", "ISBN:");
    ParseConfigText(list, "y=2\n[ISBN:B]\nz=3", "ISBN:");
    EXPECT_EQ(Dump(list), "[ISBN:A]x=1 [ISBN:B]z=3")
        << "a second text starts with no current section";
}

TEST(ParseConfigText, ZeroBytesAreOrdinary) {
    using namespace std::string_literals;
    EXPECT_EQ(Parse("[ISBN:X\0Y]\nk=a\0b"s, "ISBN:"), "[ISBN:X\0Y]k=a\0b"s);
}

// Random texts of the bytes that matter, read by the parser and by the grammar's byte machine.
TEST(ParseConfigText, ReadsAsTheByteMachineDoes) {
    std::mt19937 random(20240607);
    const std::string_view alphabet = "[]=#; \t\r\n\r\nab";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<std::size_t> length(0, 40);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (std::size_t n = length(random); n > 0; --n)
            text += alphabet[pick(random)];
        for (std::string_view prefix : {"", "a"}) {
            CSectionList expected;
            reference::ParseConfigBytes(expected, text, prefix);
            ASSERT_EQ(Parse(text, prefix), Dump(expected)) << testing::PrintToString(text);
        }
    }
}

TEST(ConfigLineReader, NumbersLinesFromOneAndSplitsTheirParts) {
    CConfigLineReader reader("a\r\n\rb\n\n[c\r=d\r==e\r\n");
    std::vector<ConfigLine> lines;
    for (ConfigLine line; reader.Next(line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 7u) << "no line after the final line end";
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].number, i + 1);
    EXPECT_EQ(lines[1].kind, ConfigLine::Kind::Blank);
    EXPECT_EQ(lines[2].text, "b");
    EXPECT_EQ(lines[4].kind, ConfigLine::Kind::Head);
    EXPECT_FALSE(lines[4].closed);
    EXPECT_EQ(lines[4].name, "c");
    // An "=" that starts a line is the first byte of its key, never the key's end.
    EXPECT_EQ(lines[5].kind, ConfigLine::Kind::Other);
    EXPECT_EQ(lines[6].kind, ConfigLine::Kind::Key);
    EXPECT_EQ(lines[6].key, "=");
    EXPECT_EQ(lines[6].value, "e");
}

} // namespace
} // namespace tandrel
