// The tick rules of the site lists and the checks at OK, without any window.
#include "TestPlatform.h"

#include "config/ConfigParser.h"
#include "dialogs/SiteListDialog.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

// Entries written as "t" (ticked), "-" (not), "T" and "E" (exclusive, ticked or not).
CLinkList Entries(std::string_view kinds) {
    std::string text;
    for (char kind : kinds) {
        text += "[ISBN:E" + std::to_string(text.size()) + "]\n";
        text += std::string("defaultSelected=") + (kind == 't' || kind == 'T' ? "y" : "n") + "\n";
        text += std::string("exclusive=") + (kind == 'T' || kind == 'E' ? "y" : "n") + "\n";
    }
    CSectionList sections;
    ParseConfigText(sections, text, "ISBN:");
    CLinkList list;
    for (const CConfigSection& section : sections) {
        CLink link;
        link.LoadFromSection(section);
        list.Append(link);
    }
    return list;
}

std::string Ticks(const CSiteListModel& model) {
    std::string ticks;
    for (std::size_t entry = 0; entry < model.size(); ++entry)
        ticks += model.IsTicked(entry) ? '1' : '0';
    return ticks;
}

TEST(SiteList, OpeningAndDoubleClicksKeepExclusiveEntriesAlone) {
    test::MemoryPlatformScope scope;
    const struct {
        const char* kinds;
        std::vector<std::size_t> doubleClicks;
        const char* ticks;
    } cases[] = {
        {"---", {}, "100"},        // nothing ticked: the first is
        {"", {}, ""},              // an empty list stays empty
        {"tT-", {}, "100"},        // the first ticked wins over a later exclusive one
        {"Tt-t", {}, "1000"},      // an exclusive first one stays alone
        {"tt-", {}, "110"},        // ordinary entries tick together
        {"tt-E", {3}, "0001"},     // an exclusive one ticked unticks every other
        {"Tt-", {1}, "010"},       // an ordinary one ticked unticks the exclusive one
        {"tt-", {0}, "010"},       // a ticked one unticks
        {"t--", {0}, "000"},       // ... even the last one
        {"t-E", {2, 2, 1}, "010"}, // unticking an exclusive one brings nothing back
    };
    for (const auto& c : cases) {
        CLinkList list = Entries(c.kinds);
        CSiteListModel model(list);
        model.Init();
        for (std::size_t entry : c.doubleClicks)
            model.DoubleClick(entry);
        EXPECT_EQ(Ticks(model), c.ticks) << c.kinds;
    }
}

std::optional<std::u16string> DigitsOnly(std::u16string_view text) {
    if (text.find_first_not_of(u"0123456789") != std::u16string_view::npos)
        return std::nullopt;
    return u"#" + std::u16string(text);
}

TEST(SiteList, OkChecksTheTextFirstThenThatSomethingIsTicked) {
    test::MemoryPlatformScope scope;
    CLinkList list = Entries("t-");
    CSiteListModel model(list);
    SiteListRequest request{IDD_ASK_ISBN, &list, u"", {DigitsOnly, ids::kInvalidIsbn}};
    std::u16string text = u"12x";
    OkOutcome outcome = CheckOk(request, model, text);
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.messageId, ids::kInvalidIsbn);
    EXPECT_EQ(outcome.focusControl, IDC_TEXT);

    text = u"12";
    EXPECT_TRUE(CheckOk(request, model, text).accepted);
    EXPECT_EQ(text, u"#12") << "the check may normalise the text";

    model.DoubleClick(0);
    outcome = CheckOk(request, model, text = u"12");
    EXPECT_EQ(outcome.messageId, ids::kNothingChosen);
    EXPECT_EQ(outcome.focusControl, IDC_SITE_LIST);

    EXPECT_EQ(EditBoxText(std::u16string(2000, u'7')).size(), 1023u);
    EXPECT_EQ(EditBoxText(u"\u00E9\u4E2D\u03B1\u03B2\u03B3"), u"\u00E9\u4E2D\u03B1\u03B2\u03B3")
        << "the edit box keeps text in any script";
}

} // namespace
} // namespace tandrel
