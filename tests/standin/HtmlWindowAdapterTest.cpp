// The system's browser adapter (WrapHtmlWindow) against the stand-in page: every operation of
// the portable browser window, through the real browser interfaces.

#ifdef TANDREL_HAVE_HTML_WINDOW

#include "StandInPage.h"

#include "ComObject.h"
#include "common/MemoryPlatform.h"
#include "page/win32/HtmlWindow.h"

#include <gtest/gtest.h>

namespace tandrel::standin {
namespace {

// Installs an in-memory platform (the adapter brings windows to the front through it) and checks
// that the adapter gave back every reference it took.
class HtmlWindowAdapterTest : public ::testing::Test {
protected:
    void SetUp() override { liveBefore_ = LiveStandInObjects(); }
    void TearDown() override { EXPECT_EQ(LiveStandInObjects(), liveBefore_) << "leaked objects"; }

    BrowserWindowPtr Wrap(const StandInPage& page) {
        return WrapHtmlWindow(page.FrameWindow().Get());
    }
    BrowserWindowPtr TopOf(const BrowserWindowPtr& window) {
        BrowserWindowPtr top;
        EXPECT_EQ(window->GetTop(top), kOk);
        return top;
    }

    CMemoryPlatform platform_;

private:
    ScopedPlatform installed_{platform_.View()};
    long liveBefore_ = 0;
};

StandInPageDescription FramesetPage() {
    StandInPageDescription described;
    described.top.name = u"";
    described.top.href = u"http://www.example.com/frames.html";
    described.top.hostName = u"www.example.com";
    described.top.title = u"Frameset";
    described.top.screen = StandInScreenSize{1280, 994};
    described.frame = StandInWindowDescription{};
    described.frame->name = u"content";
    described.frame->href = u"http://books.example.org/item?id=7";
    described.frame->hostName = u"books.example.org";
    described.frame->title = u"A book";
    described.frame->selectionText = u"  ISBN 0-306-40615-2 \r\n";
    described.frame->selectionHtml = u"<B>ISBN 0-306-40615-2</B>";
    return described;
}

TEST_F(HtmlWindowAdapterTest, ReadsFrameAndTopOfAFramesetPage) {
    StandInPage page(FramesetPage());
    BrowserWindowPtr frame = Wrap(page);
    ASSERT_TRUE(frame);
    BrowserWindowPtr top = TopOf(frame);
    ASSERT_TRUE(top);

    EXPECT_EQ(frame->GetName(), u"content");
    EXPECT_EQ(frame->GetHref(), u"http://books.example.org/item?id=7");
    EXPECT_EQ(frame->GetHostName(), u"books.example.org");
    EXPECT_EQ(frame->GetTitle(), u"A book");
    EXPECT_EQ(top->GetName(), u"");
    EXPECT_EQ(top->GetHref(), u"http://www.example.com/frames.html");
    EXPECT_EQ(top->GetHostName(), u"www.example.com");
    EXPECT_EQ(top->GetTitle(), u"Frameset");

    std::optional<ScreenSize> screen = top->GetScreenSize();
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->width, 1280);
    EXPECT_EQ(screen->height, 994);

    std::optional<SelectionText> selection = frame->GetSelection();
    ASSERT_TRUE(selection);
    EXPECT_EQ(selection->text, u"  ISBN 0-306-40615-2 \r\n");
    EXPECT_EQ(selection->html, u"<B>ISBN 0-306-40615-2</B>");
    EXPECT_EQ(page.Log().Reads("text"), 1);
    EXPECT_EQ(page.Log().Reads("htmlText"), 1);
}

TEST_F(HtmlWindowAdapterTest, FailedReadsAnswerNone) {
    StandInPageDescription described;
    described.top.name = std::nullopt;
    described.top.href = std::nullopt;
    described.top.hostName = std::nullopt;
    described.top.title = std::nullopt;
    described.top.screen = std::nullopt;
    StandInPage page(described);
    BrowserWindowPtr window = Wrap(page);
    EXPECT_EQ(window->GetName(), std::nullopt);
    EXPECT_EQ(window->GetHref(), std::nullopt);
    EXPECT_EQ(window->GetHostName(), std::nullopt);
    EXPECT_EQ(window->GetTitle(), std::nullopt);
    EXPECT_FALSE(window->GetScreenSize());
    // Each read reached the page.
    EXPECT_EQ(page.Log().Reads("name"), 1);
    EXPECT_EQ(page.Log().Reads("href"), 1);
    EXPECT_EQ(page.Log().Reads("hostname"), 1);
    EXPECT_EQ(page.Log().Reads("title"), 1);
    EXPECT_EQ(page.Log().Reads("screen"), 1);
}

TEST_F(HtmlWindowAdapterTest, SelectionOnlyFromATextRange) {
    struct Case {
        SelectionKind kind;
        bool expected;
    } cases[] = {{SelectionKind::kTextRange, true},
                 {SelectionKind::kControlRange, false},
                 {SelectionKind::kNoSelectionObject, false},
                 {SelectionKind::kSelectionReadFails, false}};
    for (const Case& c : cases) {
        StandInPageDescription described;
        described.top.selectionKind = c.kind;
        described.top.selectionText = u"word";
        StandInPage page(described);
        EXPECT_EQ(Wrap(page)->GetSelection().has_value(), c.expected) << static_cast<int>(c.kind);
    }
}

TEST_F(HtmlWindowAdapterTest, SelectionTextAndHtmlAreReadEachOnItsOwn) {
    StandInPageDescription described;
    described.top.selectionText = std::nullopt;
    described.top.selectionHtml = u"<I>x</I>";
    StandInPage page(described);
    std::optional<SelectionText> selection = Wrap(page)->GetSelection();
    ASSERT_TRUE(selection);
    EXPECT_EQ(selection->text, std::nullopt);
    EXPECT_EQ(selection->html, u"<I>x</I>");
}

TEST_F(HtmlWindowAdapterTest, TopFailuresGiveFailureCodes) {
    StandInPageDescription described;
    described.frame = StandInWindowDescription{};
    described.frame->top = TopAnswer::kFails;
    described.frame->topFailure = E_ACCESSDENIED;
    {
        StandInPage page(described);
        BrowserWindowPtr top;
        EXPECT_EQ(Wrap(page)->GetTop(top), static_cast<HResult>(E_ACCESSDENIED));
        EXPECT_FALSE(top);
    }
    described.frame->top = TopAnswer::kNull;
    StandInPage page(described);
    BrowserWindowPtr top;
    EXPECT_TRUE(Failed(Wrap(page)->GetTop(top))) << "a null top counts as a failure";
    EXPECT_FALSE(top);
}

TEST_F(HtmlWindowAdapterTest, NoWindowWithoutTheWindowInterface) {
    auto log = std::make_shared<StandInLog>();
    ComPtr<IDispatch> notAWindow = CreateNonWindowObject(log);
    EXPECT_FALSE(WrapHtmlWindow(notAWindow.Get()));
    EXPECT_GE(log->Reads("QueryInterface(non-window)"), 1);
    EXPECT_FALSE(WrapHtmlWindow(nullptr));
}

TEST_F(HtmlWindowAdapterTest, OpenPassesItsArgumentsAndAnswersTheOpenedWindow) {
    StandInPage page(FramesetPage());
    BrowserWindowPtr top = TopOf(Wrap(page));
    BrowserWindowPtr opened = top->Open(u"http://books.example/?isbn=0306406152", u"books",
                                        u"channelmode=0,directories=1");
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->GetHref(), u"http://books.example/?isbn=0306406152");
    EXPECT_EQ(opened->GetName(), u"books");

    BrowserWindowPtr again = top->Open(u"http://books.example/other", u"books", u"");
    ASSERT_TRUE(again);
    EXPECT_EQ(opened->GetHref(), u"http://books.example/other") << "the named window is reused";

    auto opens = page.Log().EventsOf(StandInEvent::Kind::kOpen);
    ASSERT_EQ(opens.size(), 2u);
    EXPECT_EQ(opens[0].window, u"top");
    EXPECT_EQ(opens[0].name, u"books");
    EXPECT_EQ(opens[0].features, u"channelmode=0,directories=1");
    EXPECT_FALSE(opens[0].replace);
}

TEST_F(HtmlWindowAdapterTest, RefusedOpenGivesNoWindow) {
    StandInPageDescription described;
    described.top.openRefused = true;
    StandInPage page(described);
    EXPECT_FALSE(Wrap(page)->Open(u"http://a.example/", u"_blank", u""));
    EXPECT_EQ(page.Log().EventsOf(StandInEvent::Kind::kOpen).size(), 1u);
}

TEST_F(HtmlWindowAdapterTest, NavigateAnswersWhatTheBrowserSaid) {
    for (HRESULT result : {S_OK, E_ACCESSDENIED}) {
        StandInPageDescription described;
        described.top.navigateResult = result;
        StandInPage page(described);
        EXPECT_EQ(Wrap(page)->Navigate(u"mailto:a@example.com?subject=x"),
                  static_cast<HResult>(result));
        auto navigations = page.Log().EventsOf(StandInEvent::Kind::kNavigate);
        ASSERT_EQ(navigations.size(), 1u);
        EXPECT_EQ(navigations[0].address, u"mailto:a@example.com?subject=x");
    }
}

TEST_F(HtmlWindowAdapterTest, BringToFrontReachesTheBrowserWindowThroughTop) {
    StandInPageDescription described = FramesetPage();
    described.top.browserWindow = 0x4242;
    StandInPage page(described);
    BrowserWindowPtr opened = TopOf(Wrap(page))->Open(u"http://a.example/", u"", u"");
    ASSERT_TRUE(opened);
    EXPECT_TRUE(opened->BringToFront());
    EXPECT_EQ(platform_.ui.foregroundWindows, std::vector<WindowHandle>{0x4242});
    EXPECT_EQ(page.Log().Reads("HWND"), 1);

    // The frame itself has no browser service, but its top does.
    EXPECT_TRUE(Wrap(page)->BringToFront());
    EXPECT_EQ(platform_.ui.foregroundWindows.size(), 2u);
}

TEST_F(HtmlWindowAdapterTest, BringToFrontFailsWithoutABrowserWindowOrTop) {
    StandInPageDescription described;
    {
        StandInPage page(described); // no browser window handle
        EXPECT_FALSE(Wrap(page)->BringToFront());
    }
    described.top.browserWindow = 0x4242;
    described.top.top = TopAnswer::kNull;
    StandInPage page(described);
    EXPECT_FALSE(Wrap(page)->BringToFront());
    EXPECT_TRUE(platform_.ui.foregroundWindows.empty());
}

TEST_F(HtmlWindowAdapterTest, InsertedAnchorIsClicked) {
    StandInPage page(FramesetPage());
    BrowserWindowPtr frame = Wrap(page);
    EXPECT_TRUE(frame->HasBody());
    const std::u16string markup = u"<A ID=\"NUBRIX7587\" HREF=\"http://translate.example/?u=x\" "
                                  u"TARGET=\"_top\">TRANSLATE</A>";
    EXPECT_TRUE(frame->InsertAtBodyEnd(markup));
    EXPECT_TRUE(frame->ClickAnchor(u"NUBRIX7587"));

    ASSERT_EQ(page.Log().Events().size(), 2u);
    const StandInEvent& insert = page.Log().Events()[0];
    EXPECT_EQ(insert.kind, StandInEvent::Kind::kInsert);
    EXPECT_EQ(insert.window, u"frame");
    EXPECT_EQ(insert.where, u"beforeEnd");
    EXPECT_EQ(insert.markup, markup);
    const StandInEvent& click = page.Log().Events()[1];
    EXPECT_EQ(click.kind, StandInEvent::Kind::kClick);
    EXPECT_EQ(click.address, u"http://translate.example/?u=x");
    EXPECT_EQ(click.name, u"_top");
}

TEST_F(HtmlWindowAdapterTest, AnchorFailuresAreReported) {
    struct Case {
        const char* what;
        void (*describe)(StandInWindowDescription&);
        bool hasBody, inserted, clicked;
    } cases[] = {
        {"no body", [](StandInWindowDescription& w) { w.hasBody = false; }, false, false, false},
        {"insert fails", [](StandInWindowDescription& w) { w.insertFails = true; }, true, false,
         false},
        {"click fails", [](StandInWindowDescription& w) { w.clickFails = true; }, true, true,
         false},
    };
    for (const Case& c : cases) {
        StandInPageDescription described;
        c.describe(described.top);
        StandInPage page(described);
        BrowserWindowPtr window = Wrap(page);
        EXPECT_EQ(window->HasBody(), c.hasBody) << c.what;
        EXPECT_EQ(window->InsertAtBodyEnd(u"<A ID=\"NUBRIX7587\" HREF=\"x\">T</A>"), c.inserted)
            << c.what;
        EXPECT_EQ(window->ClickAnchor(u"NUBRIX7587"), c.clicked) << c.what;
    }
    // An anchor that was never inserted cannot be clicked.
    StandInPage page(StandInPageDescription{});
    EXPECT_FALSE(Wrap(page)->ClickAnchor(u"NUBRIX7587"));
    EXPECT_TRUE(page.Log().EventsOf(StandInEvent::Kind::kClick).empty());
}

} // namespace
} // namespace tandrel::standin

#endif // TANDREL_HAVE_HTML_WINDOW
