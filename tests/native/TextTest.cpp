#include "TestPlatform.h"

#include "common/MessageFormat.h"
#include "common/Messages.h"
#include "common/TextConversion.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

TEST(Windows1252, RoundTripsEveryByte) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    std::u16string wide = Windows1252ToWide(all);
    ASSERT_EQ(wide.size(), 256u);
    EXPECT_EQ(wide[0x80], u'\u20AC');
    EXPECT_EQ(wide[0x81], u'\u0081');
    EXPECT_EQ(wide[0x9F], u'\u0178');
    EXPECT_EQ(wide[0xB0], u'\u00B0');
    EXPECT_EQ(wide[0xFF], u'\u00FF');
    EXPECT_EQ(WideToWindows1252(wide), all);
    // The one-pass conversion to UTF-8 writes each byte as the way through UTF-16 does.
    EXPECT_EQ(Windows1252ToUtf8(all), WideToUtf8(wide));
    EXPECT_EQ(Windows1252ToUtf8("\x80 \x9F \xFF"), "\u20AC \u0178 \u00FF");
}

TEST(Windows1252, UnmappableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(WideToWindows1252(u"a\u0100b\u4E2D"), "a?b?");
    EXPECT_EQ(WideToWindows1252(u"\U0001F600"), "?") << "a surrogate pair is one character";
}

TEST(Utf8, ConvertsBothWays) {
    struct Case {
        std::string utf8;
        std::u16string wide;
    } cases[] = {
        {"plain", u"plain"},
        {"caf\xC3\xA9", u"caf\u00E9"},
        {"\xE2\x82\xAC 5", u"\u20AC 5"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},
        {"", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToWide(c.utf8), c.wide);
        EXPECT_EQ(WideToUtf8(c.wide), c.utf8);
    }
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToWide("a\xFF"
                         "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf8ToWide("\xC3"), u"\uFFFD") << "truncated sequence";
    EXPECT_EQ(Utf8ToWide("\xC0\x80"), u"\uFFFD") << "overlong form";
    EXPECT_EQ(Utf8ToWide("\xED\xA0\x80"), u"\uFFFD") << "encoded surrogate";
    EXPECT_EQ(WideToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
    const char16_t lone[] = {u'a', 0xDC00, u'b', 0xD800, u'\u00E9', 0xD83D, 0xDE00, 0};
    EXPECT_EQ(WideToUtf8(lone), "a\xEF\xBF\xBD"
                                "b\xEF\xBF\xBD\xC3\xA9\xF0\x9F\x98\x80")
        << "lone surrogates amid characters of every length";
}

TEST(AsciiCase, LowersOnlyAsciiCapitals) {
    EXPECT_EQ(AsciiLower("MailTo URL \xC9"), "mailto url \xC9");
    EXPECT_TRUE(EqualsIgnoreAsciiCase("ISBN:", "isbn:"));
    EXPECT_FALSE(EqualsIgnoreAsciiCase("\xC9", "\xE9"));
    EXPECT_FALSE(EqualsIgnoreAsciiCase("ab", "abc"));
}

TEST(MessageFormat, FillsNumberedInserts) {
    struct Case {
        std::string pattern;
        std::vector<MessageArg> args;
        std::optional<std::string> expected;
    } cases[] = {
        {"Cannot calculate answer %1",
         {std::string("(Division by zero)")},
         "Cannot calculate answer (Division by zero)"},
        {"%2 before %1", {std::string("b"), std::string("a")}, "a before b"},
        {"%1!d! items, %1!04x!", {std::int64_t{42}}, "42 items, 002a"},
        {"100%% sure%n", {}, "100% sure\r\n"},
        {"cut%0 here", {}, "cut"},
        {"%3", {std::string("only one")}, std::nullopt},
        {"%1!d!", {std::string("text")}, std::nullopt},
        {"%1", {}, std::nullopt},
        {"trailing %", {}, "trailing %"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatMessageInserts(c.pattern, c.args), c.expected) << c.pattern;
}

TEST(Messages, LoadAndFormatFromTheStringTable) {
    test::MemoryPlatformScope scope;
    EXPECT_EQ(LoadText(99999), "");
    scope.platform.module.SetString(7, std::string(600, 'x'));
    EXPECT_EQ(LoadText(7).size(), 511u);
    scope.platform.module.SetString(8, "Cannot calculate answer %1");
    EXPECT_EQ(FormatText(8, {std::string("(x)")}), "Cannot calculate answer (x)");
    EXPECT_EQ(FormatText(8, {}), "") << "failed formatting gives the empty text";
}

TEST(Messages, PrintTextCutsAtItsBuffer) {
    EXPECT_EQ(PrintText("%s=%d", "left", -40), "left=-40");
    std::string longText(2000, 'a');
    std::string printed = PrintText("<%s>", longText.c_str());
    EXPECT_EQ(printed.size(), 1023u);
    EXPECT_EQ(printed.front(), '<');
}

TEST(Messages, MessageBoxWithoutOwnerGoesToTheDesktop) {
    test::MemoryPlatformScope scope;
    scope.platform.module.SetString(136, "Unable to find your mail program.");
    scope.platform.ui.messageBoxAnswer = kIdCancel;
    EXPECT_EQ(ShowMessageId(0, 136, 100, kMbIconExclamation), kIdCancel);
    EXPECT_EQ(ShowMessage(0x77, "typed text", 100, kMbIconError), kIdCancel);
    auto& boxes = scope.platform.ui.messageBoxes;
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].owner, CMemoryUserInterface::kDesktop);
    EXPECT_EQ(boxes[0].text, "Unable to find your mail program.");
    EXPECT_EQ(boxes[0].caption, "Veltrane Tandrel");
    EXPECT_EQ(boxes[0].style, kMbIconExclamation);
    EXPECT_EQ(boxes[1].owner, 0x77u);
    EXPECT_EQ(boxes[1].text, "typed text");
}

} // namespace
} // namespace tandrel
