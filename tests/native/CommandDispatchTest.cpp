#include "CommandFixture.h"
#include "TestPlatform.h"

#include "com/CommandDispatch.h"
#include "dialogs/AboutBox.h"
#include "page/MemoryBrowser.h"
#include "page/PageContext.h"

#include <gtest/gtest.h>

#include <map>

namespace tandrel {
namespace {

std::u16string Wide(std::string_view keyword) {
    return std::u16string(keyword.begin(), keyword.end());
}

// Replaces every handler of the command table by one that records the keyword of the row it was
// handed, keeping the table's order and keywords.
std::vector<CommandRow> RecordingCommands(std::vector<std::string>& ran) {
    std::vector<CommandRow> commands = CommandTable();
    for (CommandRow& command : commands) {
        command.handler = [&ran](CPageContext&, const CommandRow& row) {
            ran.emplace_back(row.keyword);
        };
    }
    return commands;
}

TEST(CommandDispatch, EachKeywordRunsItsOwnHandlerOnce) {
    test::MemoryPlatformScope scope;
    for (const CommandRow& command : CommandTable()) {
        std::vector<std::string> ran;
        RunCommand(std::make_shared<CMemoryWindow>(), Wide(command.keyword).c_str(),
                   RecordingCommands(ran));
        EXPECT_EQ(ran, std::vector<std::string>{std::string(command.keyword)});
    }
    EXPECT_TRUE(scope.platform.ui.beeps.empty());
}

TEST(CommandDispatch, UnknownNullOrMiscasedKeywordBeeps) {
    const char16_t* keywords[] = {u"book",   u"",          u"BOOK ", u"ISBN:",
                                  u"Config", u"\xFF2BOOK", nullptr};
    for (const char16_t* keyword : keywords) {
        test::MemoryPlatformScope scope;
        std::vector<std::string> ran;
        RunCommand(std::make_shared<CMemoryWindow>(), keyword, RecordingCommands(ran));
        EXPECT_TRUE(ran.empty());
        EXPECT_EQ(scope.platform.ui.beeps, std::vector<std::uint32_t>{kMbIconHand});
    }
}

TEST(CommandDispatch, PageThatCannotLoadBeepsWithoutRunningAHandler) {
    test::MemoryPlatformScope scope;
    std::vector<std::string> ran;
    auto window = std::make_shared<CMemoryWindow>();
    window->topIsNull = true;
    RunCommand(window, u"BOOK", RecordingCommands(ran));
    RunCommand(nullptr, u"BOOK", RecordingCommands(ran));
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(scope.platform.ui.beeps, (std::vector<std::uint32_t>{kMbIconHand, kMbIconHand}));
}

TEST(CommandDispatch, HandlerSeesTheLoadedPage) {
    test::MemoryPlatformScope scope;
    auto window = std::make_shared<CMemoryWindow>();
    window->selection = SelectionText{u"Dune", u"Dune"};
    std::u16string seen;
    std::vector<CommandRow> commands = CommandTable();
    commands[1].handler = [&](CPageContext& page, const CommandRow&) {
        seen = page.GetSelection();
    };
    RunCommand(window, u"BOOK", commands);
    EXPECT_EQ(seen, u"Dune");
}

TEST(CommandDispatch, ScopedCommandsReplaceAndRestoreTheActiveTable) {
    EXPECT_EQ(ActiveCommands().size(), 14u);
    {
        ScopedCommands installed({CommandTable()[3]});
        ASSERT_EQ(ActiveCommands().size(), 1u);
        EXPECT_EQ(ActiveCommands()[0].keyword, "CURRENCY");
    }
    EXPECT_EQ(ActiveCommands().size(), 14u);
}

class CommandHelp : public test::CommandFixture {
protected:
    CommandHelp() : CommandFixture(std::nullopt) { top->screen = ScreenSize{1280, 1024}; }
};

// Every dialog's Help button (the about box's for CONFIG) opens the command's own page from the
// module's folder in the shared help window, on the right 40% of the screen and 80% high, and
// nothing else. The keywords are those the menu's script pages pass, so the table must hold
// exactly these.
TEST_F(CommandHelp, EachCommandsHelpOpensItsOwnPage) {
    const std::map<std::string_view, std::u16string_view> pages = {
        {"CONFIG", u"HelpIndex.htm"},  {"BOOK", u"HelpBook.htm"},
        {"CONVERT", u"HelpUnits.htm"}, {"CURRENCY", u"HelpCurrency.htm"},
        {"EMAIL", u"HelpEmail.htm"},   {"ISBN", u"HelpISBN.htm"},
        {"MOVIE", u"HelpMovie.htm"},   {"MUSIC", u"HelpMusic.htm"},
        {"OTHER", u"HelpOther.htm"},   {"SEARCH", u"HelpSearch.htm"},
        {"STOCK", u"HelpStock.htm"},   {"TRANSLATE", u"HelpTranslate.htm"},
        {"UPC", u"HelpUPC.htm"},       {"URL", u"HelpURL.htm"}};
    ASSERT_EQ(pages.size(), CommandTable().size());
    for (const auto& [keyword, page] : pages) {
        dialogs.aboutAnswers.push_back(kAboutHelp);
        dialogs.siteListAnswers.push_back({std::nullopt, {}, IDC_HELP_BUTTON});
        dialogs.currencyAnswers.push_back({std::nullopt, {}, {}, {}, IDC_HELP_BUTTON});
        dialogs.convertAnswers.push_back({{}, {}, {}, {}, IDC_HELP_BUTTON});
        top->Log()->events.clear();
        Run(keyword, u"5 km");
        std::vector<BrowserEvent> opened;
        for (const BrowserEvent& event : top->Log()->events)
            if (event.kind == BrowserEvent::kOpen)
                opened.push_back(event);
        ASSERT_EQ(opened.size(), 1u) << keyword;
        EXPECT_EQ(opened[0].address,
                  u"file:///C|/Program Files/Veltrane Tandrel/" + std::u16string(page))
            << keyword;
        EXPECT_EQ(opened[0].name, u"NubrixHelp") << keyword;
        const std::u16string& features = opened[0].features;
        EXPECT_NE(features.find(u",height=819,left=768,"), std::u16string::npos) << keyword;
        EXPECT_NE(features.find(u",top=0,width=512"), std::u16string::npos) << keyword;
    }
    EXPECT_TRUE(Messages().empty());
}

} // namespace
} // namespace tandrel
