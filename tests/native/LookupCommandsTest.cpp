// The lookup commands with their dialogs answered from a list: the text they prepare, what OK,
// Cancel and Help do, the checks of the confirmed text, and the question before translating.
#include "CommandFixture.h"

#include "common/TextConversion.h"
#include "config/SelectionMemory.h"
#include "dialogs/LookupCommands.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tandrel {
namespace {

class LookupCommands : public test::CommandFixture {
protected:
    LookupCommands()
        : CommandFixture("[ISBN:A]\nshortDescription=Shop A\nurl=a?q=!S\ndefaultSelected=y\n"
                         "[ISBN:B]\nshortDescription=Shop B\nurl=b?q=!S\n"
                         "[UPC:A]\nshortDescription=Shop A\nurl=u?q=!S\n"
                         "[STOCK:A]\nshortDescription=Quotes\nurl=s?q=!S\n"
                         "[BOOK:A]\nshortDescription=Books\nurl=k?q=!S\n"
                         "[TRANSLATE:A]\nshortDescription=Into French\nhref=t\nwindowName=_top\n") {
    }
};

TEST_F(LookupCommands, EachCommandPreparesItsText) {
    const struct {
        std::string_view keyword;
        std::u16string_view selection;
        std::optional<std::u16string> shown;
        int templateId;
    } cases[] = {
        {"ISBN", u"ISBN 0-306-40615-2", u"0306406152", IDD_ASK_ISBN},
        {"ISBN", u"EAN 9780306406157", u"0306406152", IDD_ASK_ISBN},
        {"ISBN", u"  no  code\r\n ", u"no code", IDD_ASK_ISBN},
        {"UPC", u"03600029145", u"036000291452", IDD_ASK_UPC},
        {"STOCK", u"Acme Widgets Inc. (ACME)", u"ACME", IDD_ASK_STOCK},
        {"STOCK", u"Microsoft", u"", IDD_ASK_STOCK},
        {"BOOK", u"two  words\r\n", u"two words", IDD_ASK_OTHER},
        {"BOOK", u"item 0 36000 29145 2", u"036000291452", IDD_ASK_OTHER},
        {"EMAIL", u"x", std::nullopt, IDD_ASK_EMAIL},
        {"URL", u"x", std::nullopt, IDD_ASK_URL},
    };
    for (const auto& c : cases) {
        dialogs.siteListsShown.clear();
        Run(c.keyword, std::u16string(c.selection));
        ASSERT_EQ(dialogs.siteListsShown.size(), 1u) << c.keyword;
        EXPECT_EQ(dialogs.siteListsShown[0].text, c.shown) << c.keyword;
        EXPECT_EQ(dialogs.siteListsShown[0].templateId, c.templateId) << c.keyword;
    }
    EXPECT_EQ(dialogs.siteListsShown[0].captionId, 0);
    Run("MOVIE", u"x");
    EXPECT_EQ(dialogs.siteListsShown.back().captionId, ids::kLookupMovie);
    EXPECT_EQ(dialogs.siteListsShown.back().labelId, ids::kLookupAtOneOrMore);
}

// Digits in the page's address (a video's number, a time stamp) make a valid UPC-A often; the
// keyword searches look for the words selected unless the selection itself holds a code.
TEST_F(LookupCommands, KeywordSearchesTakeACodeFromTheSelectionOnly) {
    top->href = u"https://video.example/watch/12345678901?t=1700000000";
    for (std::string_view keyword : {"BOOK", "MOVIE", "MUSIC", "OTHER", "SEARCH"}) {
        Run(keyword, u" The  Hobbit\r\n");
        Run(keyword, u"UPC 0 36000 29145 2");
        Run(keyword, u"pack of 03600029145");
        ASSERT_EQ(dialogs.siteListsShown.size(), 3u) << keyword;
        EXPECT_EQ(dialogs.siteListsShown[0].text, u"The Hobbit") << keyword;
        EXPECT_EQ(dialogs.siteListsShown[1].text, u"036000291452") << keyword;
        EXPECT_EQ(dialogs.siteListsShown[2].text, u"036000291452") << keyword;
        dialogs.siteListsShown.clear();
    }
    Run("UPC", u"The Hobbit");
    EXPECT_EQ(dialogs.siteListsShown.back().text, u"001700000000") << "the UPC command reads all";
}

TEST_F(LookupCommands, OkSavesEveryTickTakesTheTextAndOpensTheTickedSites) {
    dialogs.siteListAnswers = {{u"0-8044-2957-x", {u"Shop B"}, kIdOk}};
    Run("ISBN", u"nothing");
    EXPECT_EQ(Opened(), (std::vector<std::u16string>{u"a?q=080442957X", u"b?q=080442957X"}));
    EXPECT_EQ(ReadRememberedChoice("ISBN:A"), true);
    EXPECT_EQ(ReadRememberedChoice("ISBN:B"), true);

    // The next run starts with the saved ticks.
    dialogs.siteListAnswers.push_back({std::nullopt, {u"Shop A"}, kIdOk});
    Run("ISBN", u"0306406152");
    EXPECT_EQ(dialogs.siteListsShown.back().items[1].second, true);
    EXPECT_EQ(ReadRememberedChoice("ISBN:A"), false) << "unticked entries are saved too";
}

TEST_F(LookupCommands, RefusedOkKeepsTheDialogAndCancelOrHelpSaveNothing) {
    dialogs.siteListAnswers = {{u"not a code", {}, kIdOk},
                               {u"0306406152", {u"Shop A"}, kIdOk},
                               {std::nullopt, {}, kIdCancel}};
    Run("ISBN", u"x");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"The ISBN number is not valid.",
                                                    "No site or action chosen.\nYou must choose "
                                                    "at least one site or action for something "
                                                    "to happen."}));
    EXPECT_TRUE(Opened().empty());
    EXPECT_FALSE(ReadRememberedChoice("ISBN:A")) << "Cancel saves nothing";

    dialogs.siteListAnswers.push_back({std::nullopt, {u"Shop B"}, IDC_HELP_BUTTON});
    Run("ISBN", u"x");
    EXPECT_FALSE(ReadRememberedChoice("ISBN:B")) << "Help saves nothing";
    ASSERT_EQ(Opened().size(), 1u);
    EXPECT_NE(Opened()[0].find(u"HelpISBN.htm"), std::u16string::npos);
}

TEST_F(LookupCommands, ConfirmedTextsAreCheckedPerCommand) {
    const struct {
        std::string_view keyword;
        std::u16string_view typed;
        std::u16string_view opened; ///< empty: refused with message
        std::string_view message;
    } cases[] = {
        {"UPC", u"36000291452", u"u?q=036000291452", ""},
        {"UPC", u"036000291452", u"u?q=036000291452", ""},
        {"UPC", u"03600029145", u"", "The UPC number is not valid."},
        // The label's number is no part of the code; a 979 ISBN has no ten-digit form.
        {"ISBN", u"ISBN-13: 978-0-7564-0407-9", u"a?q=075640407X", ""},
        {"ISBN", u"ISBN13 979-10-90636-07-1", u"a?q=9791090636071", ""},
        {"ISBN", u"979-10-90636-07-2", u"", "The ISBN number is not valid."},
        {"STOCK", u" \tibm \r\n", u"s?q=ibm", ""},
        {"STOCK", u"  ", u"", "A stock symbol, such as MSFT, is required."},
        {"BOOK", u"", u"k?q=", ""},
    };
    for (const auto& c : cases) {
        top->Log()->events.clear();
        scope.platform.ui.messageBoxes.clear();
        dialogs.siteListAnswers.push_back({std::u16string(c.typed), {}, kIdOk});
        if (c.opened.empty())
            dialogs.siteListAnswers.push_back({std::nullopt, {}, kIdCancel});
        Run(c.keyword, u"");
        if (c.opened.empty()) {
            EXPECT_TRUE(Opened().empty()) << c.keyword;
            EXPECT_EQ(Messages(), std::vector<std::string>{std::string(c.message)});
        } else {
            EXPECT_EQ(Opened(), std::vector<std::u16string>{std::u16string(c.opened)});
        }
    }
}

TEST_F(LookupCommands, TranslatingAPageWithoutADotAsksFirst) {
    top->hostName = u"intranet";
    scope.platform.ui.messageBoxAnswer = kIdNo;
    Run("TRANSLATE", u"");
    ASSERT_EQ(scope.platform.ui.messageBoxes.size(), 1u);
    EXPECT_EQ(scope.platform.ui.messageBoxes[0].style,
              kMbIconExclamation | kMbYesNo | kMbDefaultButton2);
    EXPECT_EQ(scope.platform.ui.messageBoxes[0].owner, CMemoryUserInterface::kDesktop);
    EXPECT_TRUE(dialogs.siteListsShown.empty()) << "No ends the command";

    scope.platform.ui.messageBoxAnswer = kIdYes;
    dialogs.siteListAnswers = {{std::nullopt, {}, kIdOk}};
    Run("TRANSLATE", u"");
    EXPECT_EQ(dialogs.siteListsShown.size(), 1u);
    top->hostName = u"192.168.0.1";
    Run("TRANSLATE", u"");
    EXPECT_EQ(scope.platform.ui.messageBoxes.size(), 2u) << "a host with a dot is not asked about";
}

// Text typed in any script reaches the stored sites whole, as the UTF-8 every one of them reads.
class StoredSites : public test::CommandFixture {
protected:
    StoredSites() : CommandFixture(std::nullopt) {}
};

TEST_F(StoredSites, GetTypedTextInAnyScriptAsUtf8) {
    const std::u16string typed = u"\u0395\u03BB\u03BB\u03AC\u03B4\u03B1 \u6771\u4EAC caf\u00E9";
    const std::u16string encoded =
        u"%CE%95%CE%BB%CE%BB%CE%AC%CE%B4%CE%B1%20%E6%9D%B1%E4%BA%AC%20caf%C3%A9";
    const std::string_view keywords[] = {"BOOK", "MOVIE", "MUSIC", "SEARCH"};
    dialogs.siteListAnswers.assign(std::size(keywords), {typed, {}, kIdOk});
    for (std::string_view keyword : keywords) {
        SCOPED_TRACE(std::string(keyword));
        top->Log()->events.clear();
        Run(keyword, u"x");
        ASSERT_FALSE(Opened().empty());
        for (const std::u16string& address : Opened())
            EXPECT_NE(address.find(encoded), std::u16string::npos) << WideToUtf8(address);
    }
}

} // namespace
} // namespace tandrel
