#include "TestPlatform.h"

#include "page/MemoryBrowser.h"
#include "page/PageContext.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

class PageContextTest : public ::testing::Test {
protected:
    test::MemoryPlatformScope scope;
    std::shared_ptr<CMemoryWindow> top = std::make_shared<CMemoryWindow>();
};

TEST_F(PageContextTest, FramesetPageKeepsFrameAndTopApart) {
    top->href = u"https://example.com/index.html";
    top->hostName = u"example.com";
    top->title = u"Frameset";
    top->name = u"main";
    top->screen = ScreenSize{1280, 1024};
    auto frame = top->MakeFrame();
    frame->href = u"https://books.example.org/list.html";
    frame->hostName = u"books.example.org";
    frame->title = u"Book list";
    frame->name = u"content";
    frame->selection = SelectionText{u"ISBN 0-306-40615-2", u"<b>ISBN</b> 0-306-40615-2"};

    CPageContext page;
    ASSERT_EQ(page.Load(frame), kOk);
    EXPECT_EQ(page.GetFrameAddress(), u"https://books.example.org/list.html");
    EXPECT_EQ(page.GetFrameHostName(), u"books.example.org");
    EXPECT_EQ(page.GetFrameTitle(), u"Book list");
    EXPECT_EQ(page.GetFrameName(), u"content");
    EXPECT_EQ(page.GetTopAddress(), u"https://example.com/index.html");
    EXPECT_EQ(page.GetTopHostName(), u"example.com");
    EXPECT_EQ(page.GetTopTitle(), u"Frameset");
    EXPECT_EQ(page.GetTopName(), u"main");
    EXPECT_EQ(page.GetSelection(), u"ISBN 0-306-40615-2");
    EXPECT_EQ(page.GetSelectionHtml(), u"<b>ISBN</b> 0-306-40615-2");
    EXPECT_EQ(page.GetAvailableWidth(), 1280);
    EXPECT_EQ(page.GetAvailableHeight(), 1024);
    EXPECT_EQ(page.GetFrameWindow(), frame);
    EXPECT_EQ(page.GetTopWindow(), top);
}

TEST_F(PageContextTest, LoadFailsWithoutWindowOrTop) {
    CPageContext noWindow;
    EXPECT_EQ(noWindow.Load(nullptr), kNoInterface);

    top->topResult = kAccessDenied;
    CPageContext failingTop;
    EXPECT_EQ(failingTop.Load(top), kAccessDenied);

    top->topResult = kOk;
    top->topIsNull = true;
    CPageContext nullTop;
    EXPECT_TRUE(Failed(nullTop.Load(top)));
}

TEST_F(PageContextTest, FailedReadsLeaveFieldsEmptyAndLoadGoesOn) {
    top->name.reset();
    top->href.reset();
    top->hostName.reset();
    top->title.reset();
    top->selection = SelectionText{std::nullopt, u"<i>x</i>"};
    CPageContext page;
    ASSERT_EQ(page.Load(top), kOk);
    EXPECT_EQ(page.GetTopName(), u"");
    EXPECT_EQ(page.GetTopAddress(), u"");
    EXPECT_EQ(page.GetTopTitle(), u"");
    EXPECT_EQ(page.GetSelection(), u"");
    EXPECT_EQ(page.GetSelectionHtml(), u"<i>x</i>") << "each selection read stands alone";
}

TEST_F(PageContextTest, ScreenFallsBackToWorkAreaThenDefault) {
    CPageContext fromWorkArea;
    scope.platform.ui.workArea = WorkArea{1024, 738};
    ASSERT_EQ(fromWorkArea.Load(top), kOk);
    EXPECT_EQ(fromWorkArea.GetAvailableWidth(), 1024);
    EXPECT_EQ(fromWorkArea.GetAvailableHeight(), 738);

    scope.platform.ui.workArea.reset();
    CPageContext fromDefault;
    ASSERT_EQ(fromDefault.Load(top), kOk);
    EXPECT_EQ(fromDefault.GetAvailableWidth(), 640);
    EXPECT_EQ(fromDefault.GetAvailableHeight(), 480);
}

TEST_F(PageContextTest, SelectionIsStoredAsReadAndSetSelectionKeepsHtml) {
    top->selection = SelectionText{u"  line one\r\nline two ", u"<p>line one</p>"};
    CPageContext page;
    ASSERT_EQ(page.Load(top), kOk);
    EXPECT_EQ(page.GetSelection(), u"  line one\r\nline two ");
    page.SetSelection(u"0306406152");
    EXPECT_EQ(page.GetSelection(), u"0306406152");
    EXPECT_EQ(page.GetSelectionHtml(), u"<p>line one</p>");
}

TEST(CollapsedSelection, TrimsAndShrinksWhiteSpace) {
    struct Case {
        std::u16string selection;
        std::u16string collapsed;
    } cases[] = {
        {u"  alpha   beta\r\n gamma ", u"alpha beta gamma"},
        {u"", u""},
        {u" \t\r\n\v\f ", u""},
        {u"one", u"one"},
        {u"a\u00A0\u2003b\u3000", u"a b"},
        {u"\nx\ty", u"x y"},
    };
    test::MemoryPlatformScope scope;
    for (const Case& c : cases) {
        auto window = std::make_shared<CMemoryWindow>();
        window->selection = SelectionText{c.selection, u""};
        CPageContext page;
        ASSERT_EQ(page.Load(window), kOk);
        EXPECT_EQ(page.GetCollapsedSelection(), c.collapsed);
    }
}

} // namespace
} // namespace tandrel
