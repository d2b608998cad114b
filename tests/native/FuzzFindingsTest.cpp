// Inputs with which the fuzz targets (fuzz/) found a fault, kept as cases; each input is also a
// seed of its target's corpus.
#include "BestFitText.h"
#include "LinkFromKeys.h"

#include "actions/ConsoleCommand.h"
#include "actions/OpenLinks.h"
#include "common/MemoryPlatform.h"
#include "config/Link.h"
#include "page/MemoryBrowser.h"

#include <gtest/gtest.h>

#include <limits>

namespace tandrel {
namespace {

// The ANSI conversion of Windows, which writes a full-width form as the ASCII character it looks
// like, and the command line an entry writes for a selection.
class FullWidthForms : public ::testing::Test {
protected:
    FullWidthForms() { platform.processes.environment["COMSPEC"] = "cmd.exe"; }

    std::string LineFor(std::string_view keys, std::u16string_view selection) {
        auto frame = std::make_shared<CMemoryWindow>();
        frame->selection = SelectionText{std::u16string(selection), u""};
        CPageContext page;
        EXPECT_EQ(page.Load(frame), kOk);
        return ConsoleCommandLine(test::LinkFromKeys(keys), page);
    }

    CMemoryPlatform platform;
    test::BestFitText bestFit;
    ScopedPlatform installed{[this] {
        Platform view = platform.View();
        view.text = &bestFit;
        return view;
    }()};
};

// command_fuzz, corpus/command_fuzz/fullwidth.txt: a full-width quote or ampersand in the
// selection passed the blanking as a wide character and became a real one in the ANSI command
// line, ending the quoted command and chaining another.
TEST_F(FullWidthForms, BreakersInAValueStayInsideTheQuotes) {
    const std::pair<std::u16string_view, std::string_view> cases[] = {
        {u"a\uFF02 \uFF06 calc \uFF02b", "a    calc  b"},
        {u"\uFF5C\uFF1C\uFF1E\uFF3E", "    "},
        {u"\uFF05PATH\uFF05", " PATH "},          // unencoded, "%" names a variable
        {u"\uFF01\uFF07\u4E2D\u00E9", " '?\xE9"}, // "!" names a variable too
        {u"\" & |\r\n", "       "},
    };
    for (const auto& [selection, written] : cases) {
        EXPECT_EQ(LineFor("command=run \"!S\" & echo\nuseConsole=y\nleaveConsole=y\n"
                          "URLEncoded=n",
                          selection),
                  "cmd.exe /K \"run \"" + std::string(written) + "\" & echo\"");
    }
}

// arguments_fuzz, corpus/arguments_fuzz/fullwidth_backslash.txt: on a line no interpreter reads,
// a full-width quote in a value became a real one and ended the template's quoted argument, and
// a full-width backslash before the template's closing quote became an escaping one.
TEST_F(FullWidthForms, QuotesAndBackslashesKeepToTheirArgument) {
    const std::pair<std::u16string_view, std::string_view> cases[] = {
        {u"a\uFF02 --evil \uFF02b", "run \"a  --evil  b\" --safe"},
        {u"a\uFF3C", "run \"a\\\\\" --safe"},
    };
    for (const auto& [selection, line] : cases)
        EXPECT_EQ(LineFor("command=run \"!S\" --safe\nURLEncoded=n", selection), line);
}

// features_fuzz, corpus/features_fuzz/float_rounding.txt: a dimension was read as a double and
// then rounded to single precision; a number just past halfway between two floats landed on the
// lower one, where a single-precision scan rounds the text once, to the upper one.
TEST(FuzzFindings, DimensionsAreRoundedOnceToSinglePrecision) {
    constexpr std::int32_t kWide = std::numeric_limits<std::int32_t>::max();
    const std::tuple<std::string_view, std::int32_t, std::u16string_view> cases[] = {
        {"16777217.0000000001", kWide, u",w=16777218"},
        {"-16777217.0000000001", kWide, u",w=2130706429"}, // 2147483647 - 16777218
        {"16777217", kWide, u",w=16777216"},               // a tie goes to the even float
        {"16777219", kWide, u",w=16777220"},
        {"1e39", 500, u",w=500"}, // beyond the float's range
        {"-1e39%", 500, u",w=0"},
        {"1e-50", 500, u",w=0"},
        {" +7.9e0%", 100, u",w=7"},
    };
    for (const auto& [value, total, item] : cases)
        EXPECT_EQ(FeatureDimension(u",w=", value, total), item) << value;
}

} // namespace
} // namespace tandrel
