// Click inside the test program, through the object's own interface, with stand-in pages: which
// handler each keyword reaches, when Click beeps instead, and what the page context reads.
#include "InProcessPlatform.h"
#include "StandInPage.h"
#include "WindowsTestSupport.h"

#include "com/CommandDispatch.h"
#include "com/win32/ATandrel.h"
#include "page/PageContext.h"

namespace tandrel::test {
namespace {

using standin::SelectionKind;
using standin::StandInPage;
using standin::StandInPageDescription;
using standin::StandInWindowDescription;
using standin::TopAnswer;

// What a handler saw of the page.
struct SeenPage {
    std::u16string selection, selectionHtml;
    std::u16string frameAddress, frameName, frameHost, frameTitle;
    std::u16string topAddress, topName, topHost, topTitle;
    std::int32_t width = 0, height = 0;
};

class Click : public InProcessTest {
protected:
    Click() {
        commands_ = CommandTable();
        for (CommandRow& command : commands_) {
            command.handler = [this](CPageContext& page, const CommandRow& row) {
                ran.emplace_back(row.keyword.begin(), row.keyword.end());
                seen = SeenPage{
                    page.GetSelection(),  page.GetSelectionHtml(),  page.GetFrameAddress(),
                    page.GetFrameName(),  page.GetFrameHostName(),  page.GetFrameTitle(),
                    page.GetTopAddress(), page.GetTopName(),        page.GetTopHostName(),
                    page.GetTopTitle(),   page.GetAvailableWidth(), page.GetAvailableHeight()};
            };
        }
        installed_ = std::make_unique<ScopedCommands>(commands_);
        EXPECT_EQ(CATandrel::Create(nullptr, IID_IATandrel, reinterpret_cast<void**>(&object_)),
                  S_OK);
    }
    ~Click() override {
        if (object_)
            object_->Release();
    }

    HRESULT Run(IUnknown* window, const wchar_t* keyword, const wchar_t* second = L"",
                const wchar_t* third = L"") {
        BSTR k = keyword ? SysAllocString(keyword) : nullptr;
        BSTR s2 = SysAllocString(second), s3 = SysAllocString(third);
        HRESULT hr = object_->Click(window, k, s2, s3);
        SysFreeString(k);
        SysFreeString(s2);
        SysFreeString(s3);
        return hr;
    }

    std::vector<std::u16string> ran;
    SeenPage seen;

private:
    std::vector<CommandRow> commands_;
    std::unique_ptr<ScopedCommands> installed_;
    IATandrel* object_ = nullptr;
};

TEST_F(Click, EachKeywordReachesItsOwnHandler) {
    StandInPage page{StandInPageDescription{}};
    for (const CommandRow& row : CommandTable()) {
        ran.clear();
        std::wstring keyword(row.keyword.begin(), row.keyword.end());
        EXPECT_EQ(Run(page.FrameWindow().Get(), keyword.c_str()), S_OK);
        EXPECT_EQ(ran, std::vector<std::u16string>{
                           std::u16string(row.keyword.begin(), row.keyword.end())});
    }
    EXPECT_TRUE(ui.beeps.empty());
}

TEST_F(Click, OtherKeywordsAndArgumentsBeepOrAreIgnored) {
    StandInPage page{StandInPageDescription{}};
    EXPECT_EQ(Run(page.FrameWindow().Get(), L"book"), S_OK);
    EXPECT_EQ(Run(page.FrameWindow().Get(), nullptr), S_OK);
    EXPECT_EQ(Run(page.FrameWindow().Get(), L"ISBN "), S_OK);
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(ui.beeps, (std::vector<std::uint32_t>{MB_ICONHAND, MB_ICONHAND, MB_ICONHAND}));

    EXPECT_EQ(Run(page.FrameWindow().Get(), L"ISBN", L"extra", L"more"), S_OK);
    EXPECT_EQ(ran, std::vector<std::u16string>{u"ISBN"});
    EXPECT_EQ(ui.beeps.size(), 3u);
}

TEST_F(Click, AnObjectThatIsNotABrowserWindowBeepsOnce) {
    StandInPage page{StandInPageDescription{}};
    auto notAWindow = standin::CreateNonWindowObject(page.SharedLog());
    EXPECT_EQ(Run(notAWindow.Get(), L"BOOK"), S_OK);
    EXPECT_EQ(Run(nullptr, L"BOOK"), S_OK);
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(ui.beeps, (std::vector<std::uint32_t>{MB_ICONHAND, MB_ICONHAND}));
    EXPECT_TRUE(ui.messageBoxes.empty());
}

TEST_F(Click, AWindowWithoutTopBeeps) {
    for (TopAnswer answer : {TopAnswer::kFails, TopAnswer::kNull}) {
        StandInPageDescription description;
        description.top.top = answer;
        StandInPage page(description);
        ui.beeps.clear();
        EXPECT_EQ(Run(page.FrameWindow().Get(), L"ISBN"), S_OK);
        EXPECT_TRUE(ran.empty());
        EXPECT_EQ(ui.beeps, std::vector<std::uint32_t>{MB_ICONHAND});
    }
}

TEST_F(Click, LoadsEveryFieldFromAFramesetPage) {
    StandInPageDescription description;
    description.top.href = u"https://example.com/frames.html";
    description.top.hostName = u"example.com";
    description.top.title = u"Frameset";
    description.top.name = u"outer";
    description.top.screen = standin::StandInScreenSize{1280, 1024};
    StandInWindowDescription frame;
    frame.href = u"https://books.example.org/list.html";
    frame.hostName = u"books.example.org";
    frame.title = u"Book list";
    frame.name = u"content";
    frame.selectionText = u"ISBN 0-306-40615-2\r\n";
    frame.selectionHtml = u"<b>ISBN</b> 0-306-40615-2<br>";
    description.frame = frame;
    StandInPage page(description);

    ASSERT_EQ(Run(page.FrameWindow().Get(), L"ISBN"), S_OK);
    ASSERT_EQ(ran.size(), 1u);
    EXPECT_EQ(seen.selection, u"ISBN 0-306-40615-2\r\n");
    EXPECT_EQ(seen.selectionHtml, u"<b>ISBN</b> 0-306-40615-2<br>");
    EXPECT_EQ(seen.frameAddress, u"https://books.example.org/list.html");
    EXPECT_EQ(seen.frameHost, u"books.example.org");
    EXPECT_EQ(seen.frameTitle, u"Book list");
    EXPECT_EQ(seen.frameName, u"content");
    EXPECT_EQ(seen.topAddress, u"https://example.com/frames.html");
    EXPECT_EQ(seen.topHost, u"example.com");
    EXPECT_EQ(seen.topTitle, u"Frameset");
    EXPECT_EQ(seen.topName, u"outer");
    EXPECT_EQ(seen.width, 1280);
    EXPECT_EQ(seen.height, 1024);
}

TEST_F(Click, FailedReadsLeaveFieldsEmpty) {
    StandInPageDescription description;
    description.top.name.reset();
    description.top.href.reset();
    description.top.hostName.reset();
    description.top.title.reset();
    description.top.selectionText.reset();
    description.top.selectionHtml = u"<i>kept</i>";
    StandInPage page(description);
    ASSERT_EQ(Run(page.FrameWindow().Get(), L"URL"), S_OK);
    ASSERT_EQ(ran.size(), 1u);
    EXPECT_EQ(seen.topName, u"");
    EXPECT_EQ(seen.topAddress, u"");
    EXPECT_EQ(seen.frameHost, u"");
    EXPECT_EQ(seen.topTitle, u"");
    EXPECT_EQ(seen.selection, u"");
    EXPECT_EQ(seen.selectionHtml, u"<i>kept</i>");
}

TEST_F(Click, SelectionThatIsNotTextGivesNoSelection) {
    for (SelectionKind kind : {SelectionKind::kControlRange, SelectionKind::kNoSelectionObject,
                               SelectionKind::kSelectionReadFails}) {
        StandInPageDescription description;
        description.top.selectionKind = kind;
        description.top.selectionText = u"text";
        description.top.selectionHtml = u"html";
        StandInPage page(description);
        ran.clear();
        ASSERT_EQ(Run(page.FrameWindow().Get(), L"SEARCH"), S_OK);
        ASSERT_EQ(ran.size(), 1u);
        EXPECT_EQ(seen.selection, u"");
        EXPECT_EQ(seen.selectionHtml, u"");
    }
}

TEST_F(Click, ScreenFallsBackToTheWorkAreaThenToDefaults) {
    StandInPageDescription description;
    description.top.screen.reset();
    StandInPage page(description);

    RECT area = {};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0));
    ASSERT_EQ(Run(page.FrameWindow().Get(), L"CONVERT"), S_OK);
    EXPECT_EQ(seen.width, area.right - area.left);
    EXPECT_EQ(seen.height, area.bottom - area.top);

    ui.workArea.reset();
    ASSERT_EQ(Run(page.FrameWindow().Get(), L"CONVERT"), S_OK);
    EXPECT_EQ(seen.width, 640);
    EXPECT_EQ(seen.height, 480);
}

} // namespace
} // namespace tandrel::test
