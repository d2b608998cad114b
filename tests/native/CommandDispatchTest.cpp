#include "TestPlatform.h"

#include "com/CommandDispatch.h"
#include "page/MemoryBrowser.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

// Replaces every handler of the product table by one that records its keyword, keeping the
// table's order and keywords.
std::vector<Command> RecordingCommands(std::vector<std::u16string>& ran) {
    std::vector<Command> commands = ProductCommands();
    for (Command& command : commands) {
        std::u16string keyword = command.keyword;
        command.handler = [&ran, keyword](CPageContext&) {
            ran.push_back(keyword);
        };
    }
    return commands;
}

TEST(CommandDispatch, TableHoldsTheFourteenKeywordsInOrder) {
    std::vector<std::u16string> keywords;
    for (const Command& command : ProductCommands())
        keywords.push_back(command.keyword);
    EXPECT_EQ(keywords,
              (std::vector<std::u16string>{u"CONFIG", u"BOOK", u"CONVERT", u"CURRENCY", u"EMAIL",
                                           u"ISBN", u"MOVIE", u"MUSIC", u"OTHER", u"SEARCH",
                                           u"STOCK", u"TRANSLATE", u"UPC", u"URL"}));
}

TEST(CommandDispatch, EachKeywordRunsItsOwnHandlerOnce) {
    test::MemoryPlatformScope scope;
    for (const Command& command : ProductCommands()) {
        std::vector<std::u16string> ran;
        RunCommand(std::make_shared<CMemoryWindow>(), command.keyword.c_str(),
                   RecordingCommands(ran));
        EXPECT_EQ(ran, std::vector<std::u16string>{command.keyword});
    }
    EXPECT_TRUE(scope.platform.ui.beeps.empty());
}

TEST(CommandDispatch, UnknownNullOrMiscasedKeywordBeeps) {
    const char16_t* keywords[] = {u"book", u"", u"BOOK ", u"ISBN:", u"Config", nullptr};
    for (const char16_t* keyword : keywords) {
        test::MemoryPlatformScope scope;
        std::vector<std::u16string> ran;
        RunCommand(std::make_shared<CMemoryWindow>(), keyword, RecordingCommands(ran));
        EXPECT_TRUE(ran.empty());
        EXPECT_EQ(scope.platform.ui.beeps, std::vector<std::uint32_t>{kMbIconHand});
    }
}

TEST(CommandDispatch, PageThatCannotLoadBeepsWithoutRunningAHandler) {
    test::MemoryPlatformScope scope;
    std::vector<std::u16string> ran;
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
    std::vector<Command> commands = {{u"BOOK", [&](CPageContext& page) {
                                          seen = page.GetSelection();
                                      }}};
    RunCommand(window, u"BOOK", commands);
    EXPECT_EQ(seen, u"Dune");
}

TEST(CommandDispatch, ScopedCommandsReplaceAndRestoreTheActiveTable) {
    EXPECT_EQ(ActiveCommands().size(), 14u);
    {
        ScopedCommands installed({{u"ONLY", [](CPageContext&) {
                                   }}});
        ASSERT_EQ(ActiveCommands().size(), 1u);
        EXPECT_EQ(ActiveCommands()[0].keyword, u"ONLY");
    }
    EXPECT_EQ(ActiveCommands().size(), 14u);
}

} // namespace
} // namespace tandrel
