// The stand-in page through the browser's own interfaces, as the system's adapter reaches it.

#include "StandInPage.h"

#include "ComObject.h"
#include "StandInText.h"

#include <exdisp.h>
#include <servprov.h>

#include <gtest/gtest.h>

namespace tandrel::standin {
namespace {

const GUID kSidWebBrowserApp = {
    0x0002DF05, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Each test must give back every reference it took: the page's objects are all gone after it.
class StandInPageTest : public ::testing::Test {
protected:
    void SetUp() override { liveBefore_ = LiveStandInObjects(); }
    void TearDown() override { EXPECT_EQ(LiveStandInObjects(), liveBefore_) << "leaked objects"; }

private:
    long liveBefore_ = 0;
};

ComPtr<IUnknown> Identity(IUnknown* object) {
    ComPtr<IUnknown> identity;
    object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity.Out()));
    return identity;
}

// A text property through its getter: the text, or "FAILED" when the getter fails.
template <typename T>
std::u16string Read(T* object, HRESULT (STDMETHODCALLTYPE T::*getter)(BSTR*)) {
    Bstr text;
    if (FAILED((object->*getter)(text.Out())))
        return u"FAILED";
    return text.Text();
}

ComPtr<IHTMLDocument2> DocumentOf(IHTMLWindow2* window) {
    ComPtr<IHTMLDocument2> document;
    EXPECT_EQ(window->get_document(document.Out()), S_OK);
    return document;
}

ComPtr<IHTMLLocation> LocationOf(IHTMLWindow2* window) {
    ComPtr<IHTMLLocation> location;
    EXPECT_EQ(window->get_location(location.Out()), S_OK);
    return location;
}

StandInWindowDescription NamedWindow(std::u16string name, std::u16string href,
                                     std::u16string title) {
    StandInWindowDescription described;
    described.name = std::move(name);
    described.href = std::move(href);
    described.title = std::move(title);
    return described;
}

TEST_F(StandInPageTest, ReadsAnswerTheDescribedTextsOrFail) {
    struct Case {
        std::optional<std::u16string> value;
        std::u16string expected;
    } cases[] = {{u"Books", u"Books"}, {u"", u""}, {std::nullopt, u"FAILED"}};
    for (const Case& c : cases) {
        StandInPageDescription described;
        described.top.name = described.top.href = described.top.hostName = described.top.title =
            c.value;
        StandInPage page(described);
        IHTMLWindow2* window = page.FrameWindow().Get();
        EXPECT_EQ(Read(window, &IHTMLWindow2::get_name), c.expected);
        EXPECT_EQ(Read(LocationOf(window).Get(), &IHTMLLocation::get_href), c.expected);
        EXPECT_EQ(Read(LocationOf(window).Get(), &IHTMLLocation::get_hostname), c.expected);
        EXPECT_EQ(Read(DocumentOf(window).Get(), &IHTMLDocument2::get_title), c.expected);
    }
}

TEST_F(StandInPageTest, FrameAndTopAreSeparateWindowsOfOnePage) {
    StandInPageDescription described;
    described.top = NamedWindow(u"main", u"http://top.example/", u"Frameset");
    described.frame = NamedWindow(u"content", u"http://frame.example/a", u"Content");
    StandInPage page(described);

    ComPtr<IHTMLWindow2> frameTop, topTop;
    ASSERT_EQ(page.FrameWindow()->get_top(frameTop.Out()), S_OK);
    ASSERT_EQ(page.TopWindow()->get_top(topTop.Out()), S_OK);
    EXPECT_EQ(Identity(frameTop.Get()).Get(), Identity(page.TopWindow().Get()).Get());
    EXPECT_EQ(Identity(topTop.Get()).Get(), Identity(page.TopWindow().Get()).Get());
    EXPECT_NE(Identity(page.FrameWindow().Get()).Get(), Identity(page.TopWindow().Get()).Get());

    EXPECT_EQ(Read(frameTop.Get(), &IHTMLWindow2::get_name), u"main");
    EXPECT_EQ(Read(page.FrameWindow().Get(), &IHTMLWindow2::get_name), u"content");
    EXPECT_EQ(Read(DocumentOf(frameTop.Get()).Get(), &IHTMLDocument2::get_title), u"Frameset");
    EXPECT_EQ(page.Log().Reads("top"), 2);
}

TEST_F(StandInPageTest, WithoutFramesTheFrameIsTheTopWindow) {
    StandInPage page(StandInPageDescription{});
    EXPECT_EQ(page.FrameWindow().Get(), page.TopWindow().Get());
}

TEST_F(StandInPageTest, TopAnswersAsDescribed) {
    StandInPageDescription described;
    described.frame = StandInWindowDescription{};
    described.frame->top = TopAnswer::kFails;
    described.frame->topFailure = E_ACCESSDENIED;
    {
        StandInPage page(described);
        ComPtr<IHTMLWindow2> top;
        EXPECT_EQ(page.FrameWindow()->get_top(top.Out()), E_ACCESSDENIED);
        EXPECT_FALSE(top);
    }
    described.frame->top = TopAnswer::kNull;
    StandInPage page(described);
    ComPtr<IHTMLWindow2> top;
    EXPECT_EQ(page.FrameWindow()->get_top(top.Out()), S_OK);
    EXPECT_FALSE(top);
}

TEST_F(StandInPageTest, ScreenAnswersItsSizeOrNull) {
    StandInPageDescription described;
    described.top.screen = StandInScreenSize{1280, 994};
    StandInPage page(described);
    ComPtr<IHTMLScreen> screen;
    ASSERT_EQ(page.TopWindow()->get_screen(screen.Out()), S_OK);
    ASSERT_TRUE(screen);
    LONG width = 0, height = 0;
    EXPECT_EQ(screen->get_availWidth(&width), S_OK);
    EXPECT_EQ(screen->get_availHeight(&height), S_OK);
    EXPECT_EQ(width, 1280);
    EXPECT_EQ(height, 994);

    described.top.screen = std::nullopt;
    StandInPage noScreen(described);
    ComPtr<IHTMLScreen> none;
    EXPECT_EQ(noScreen.TopWindow()->get_screen(none.Out()), S_OK);
    EXPECT_FALSE(none);
}

// document.selection, createRange and the text-range interface, for each kind of selection.
struct SelectionOutcome {
    HRESULT selectionResult;
    bool hasSelection;
    bool isTextRange;
};

SelectionOutcome ReadSelection(const StandInPage& page, std::u16string* text,
                               std::u16string* html) {
    ComPtr<IHTMLSelectionObject> selection;
    SelectionOutcome outcome{DocumentOf(page.FrameWindow().Get())->get_selection(selection.Out()),
                             static_cast<bool>(selection), false};
    if (!selection)
        return outcome;
    ComPtr<IDispatch> range;
    EXPECT_EQ(selection->createRange(range.Out()), S_OK);
    auto textRange = range.As<IHTMLTxtRange>(IID_IHTMLTxtRange);
    outcome.isTextRange = static_cast<bool>(textRange);
    if (textRange) {
        *text = Read(textRange.Get(), &IHTMLTxtRange::get_text);
        *html = Read(textRange.Get(), &IHTMLTxtRange::get_htmlText);
    }
    return outcome;
}

TEST_F(StandInPageTest, SelectionKinds) {
    struct Case {
        SelectionKind kind;
        HRESULT selectionResult;
        bool hasSelection;
        bool isTextRange;
    } cases[] = {
        {SelectionKind::kTextRange, S_OK, true, true},
        {SelectionKind::kControlRange, S_OK, true, false},
        {SelectionKind::kNoSelectionObject, S_OK, false, false},
        {SelectionKind::kSelectionReadFails, E_FAIL, false, false},
    };
    for (const Case& c : cases) {
        StandInPageDescription described;
        described.frame = StandInWindowDescription{};
        described.frame->selectionKind = c.kind;
        described.frame->selectionText = u"0-306-40615-2\r\n";
        described.frame->selectionHtml = u"<B>0-306-40615-2</B>";
        StandInPage page(described);
        std::u16string text, html;
        SelectionOutcome outcome = ReadSelection(page, &text, &html);
        EXPECT_EQ(outcome.selectionResult, c.selectionResult) << static_cast<int>(c.kind);
        EXPECT_EQ(outcome.hasSelection, c.hasSelection) << static_cast<int>(c.kind);
        EXPECT_EQ(outcome.isTextRange, c.isTextRange) << static_cast<int>(c.kind);
        if (c.isTextRange) {
            EXPECT_EQ(text, u"0-306-40615-2\r\n");
            EXPECT_EQ(html, u"<B>0-306-40615-2</B>");
        }
    }
}

TEST_F(StandInPageTest, SelectionTextAndHtmlFailEachOnItsOwn) {
    StandInPageDescription described;
    described.top.selectionText = std::nullopt;
    described.top.selectionHtml = u"<I>x</I>";
    StandInPage page(described);
    std::u16string text, html;
    ReadSelection(page, &text, &html);
    EXPECT_EQ(text, u"FAILED");
    EXPECT_EQ(html, u"<I>x</I>");
    EXPECT_EQ(page.Log().Reads("text"), 1);
    EXPECT_EQ(page.Log().Reads("htmlText"), 1);
}

ComPtr<IHTMLWindow2> Open(IHTMLWindow2* window, const std::u16string& address,
                          const std::u16string& name, const std::u16string& features = u"") {
    ComPtr<IHTMLWindow2> opened;
    Bstr url(address), windowName(name), windowFeatures(features);
    EXPECT_EQ(window->open(url.Get(), windowName.Get(), windowFeatures.Get(), VARIANT_FALSE,
                           opened.Out()),
              S_OK);
    return opened;
}

TEST_F(StandInPageTest, OpenLogsItsArgumentsAndGivesAWindowShowingTheAddress) {
    StandInPage page(StandInPageDescription{});
    ComPtr<IHTMLWindow2> opened = Open(page.TopWindow().Get(), u"http://books.example/?isbn=1",
                                       u"books", u"channelmode=0,width=512");
    ASSERT_TRUE(opened);
    EXPECT_EQ(Read(opened.Get(), &IHTMLWindow2::get_name), u"books");
    EXPECT_EQ(Read(LocationOf(opened.Get()).Get(), &IHTMLLocation::get_href),
              u"http://books.example/?isbn=1");
    EXPECT_EQ(Read(LocationOf(opened.Get()).Get(), &IHTMLLocation::get_hostname), u"books.example");

    ASSERT_EQ(page.Log().Events().size(), 1u);
    const StandInEvent& event = page.Log().Events()[0];
    EXPECT_EQ(event.kind, StandInEvent::Kind::kOpen);
    EXPECT_EQ(event.window, u"top");
    EXPECT_EQ(event.address, u"http://books.example/?isbn=1");
    EXPECT_EQ(event.name, u"books");
    EXPECT_EQ(event.features, u"channelmode=0,width=512");
    EXPECT_FALSE(event.replace);
    EXPECT_FALSE(event.refused);
}

TEST_F(StandInPageTest, OpenReusesANamedWindowButNotBlank) {
    StandInPage page(StandInPageDescription{});
    IHTMLWindow2* top = page.TopWindow().Get();
    ComPtr<IHTMLWindow2> first = Open(top, u"http://a.example/", u"shared");
    ComPtr<IHTMLWindow2> second = Open(top, u"http://b.example/", u"shared");
    ComPtr<IHTMLWindow2> blank1 = Open(top, u"http://c.example/", u"_blank");
    ComPtr<IHTMLWindow2> blank2 = Open(top, u"http://c.example/", u"_blank");
    ComPtr<IHTMLWindow2> unnamed = Open(top, u"http://d.example/", u"");

    EXPECT_EQ(Identity(first.Get()).Get(), Identity(second.Get()).Get());
    EXPECT_EQ(Read(LocationOf(first.Get()).Get(), &IHTMLLocation::get_href), u"http://b.example/");
    EXPECT_NE(Identity(blank1.Get()).Get(), Identity(blank2.Get()).Get());
    EXPECT_EQ(Read(blank1.Get(), &IHTMLWindow2::get_name), u"");
    EXPECT_EQ(page.OpenedWindows().size(), 4u);
    EXPECT_EQ(page.Log().EventsOf(StandInEvent::Kind::kOpen).size(), 5u);
}

TEST_F(StandInPageTest, OpenedWindowsOutliveTheirCallerUntilThePageCloses) {
    long before = LiveStandInObjects();
    {
        StandInPage page(StandInPageDescription{});
        Open(page.TopWindow().Get(), u"http://a.example/", u"kept");
        EXPECT_GT(LiveStandInObjects(), before);
        EXPECT_EQ(page.OpenedWindows().size(), 1u);
    }
    EXPECT_EQ(LiveStandInObjects(), before);
}

TEST_F(StandInPageTest, RefusedOpenAndNavigateAreLoggedAndAnswerAsDescribed) {
    StandInPageDescription described;
    described.top.openRefused = true;
    described.top.navigateResult = E_ACCESSDENIED;
    StandInPage page(described);
    EXPECT_FALSE(Open(page.TopWindow().Get(), u"http://a.example/", u"x"));
    Bstr mailto(u"mailto:someone@example.com?subject=Hi");
    EXPECT_EQ(page.TopWindow()->navigate(mailto.Get()), E_ACCESSDENIED);

    ASSERT_EQ(page.Log().Events().size(), 2u);
    EXPECT_TRUE(page.Log().Events()[0].refused);
    EXPECT_EQ(page.Log().Events()[1].kind, StandInEvent::Kind::kNavigate);
    EXPECT_EQ(page.Log().Events()[1].address, u"mailto:someone@example.com?subject=Hi");
    EXPECT_TRUE(page.Log().Events()[1].refused);
    EXPECT_TRUE(page.OpenedWindows().empty());
}

// The steps of following an inserted anchor: body, insertAdjacentHTML, anchors.item, click.
HRESULT InsertIntoBody(IHTMLWindow2* window, const std::u16string& markup) {
    ComPtr<IHTMLElement> body;
    EXPECT_EQ(DocumentOf(window)->get_body(body.Out()), S_OK);
    if (!body)
        return E_POINTER;
    Bstr where(u"beforeEnd"), html(markup);
    return body->insertAdjacentHTML(where.Get(), html.Get());
}

ComPtr<IHTMLElement> AnchorNamed(IHTMLWindow2* window, const std::u16string& id, long index = 0) {
    ComPtr<IHTMLElementCollection> anchors;
    EXPECT_EQ(DocumentOf(window)->get_anchors(anchors.Out()), S_OK);
    Variant name, position;
    name->vt = VT_BSTR;
    name->bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(id.data()),
                                      static_cast<UINT>(id.size()));
    position->vt = VT_I4;
    position->lVal = index;
    ComPtr<IDispatch> item;
    EXPECT_EQ(anchors->item(*name.Get(), *position.Get(), item.Out()), S_OK);
    return item.As<IHTMLElement>(IID_IHTMLElement);
}

TEST_F(StandInPageTest, InsertedAnchorIsFoundAndClickedWithItsAddressAndTarget) {
    StandInPageDescription described;
    described.frame = StandInWindowDescription{};
    StandInPage page(described);
    IHTMLWindow2* frame = page.FrameWindow().Get();
    ASSERT_EQ(InsertIntoBody(frame, u"<A ID=\"NUBRIX7587\" HREF=\"http://t.example/?u=a&amp;b\" "
                                    u"TARGET=\"_top\">TRANSLATE</A>"),
              S_OK);
    ComPtr<IHTMLElement> anchor = AnchorNamed(frame, u"NUBRIX7587");
    ASSERT_TRUE(anchor);
    EXPECT_EQ(anchor->click(), S_OK);

    auto clicks = page.Log().EventsOf(StandInEvent::Kind::kClick);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].window, u"frame");
    EXPECT_EQ(clicks[0].address, u"http://t.example/?u=a&b");
    EXPECT_EQ(clicks[0].name, u"_top");
    auto inserts = page.Log().EventsOf(StandInEvent::Kind::kInsert);
    ASSERT_EQ(inserts.size(), 1u);
    EXPECT_EQ(inserts[0].where, u"beforeEnd");
}

TEST_F(StandInPageTest, TheFirstOfTwoAnchorsWithOneIdIsClicked) {
    StandInPage page(StandInPageDescription{});
    IHTMLWindow2* window = page.TopWindow().Get();
    InsertIntoBody(window, u"<A ID=\"NUBRIX7587\" HREF=\"http://first.example/\">TRANSLATE</A>");
    InsertIntoBody(window, u"<A ID=\"NUBRIX7587\" HREF=\"http://second.example/\">TRANSLATE</A>");
    AnchorNamed(window, u"NUBRIX7587")->click();
    AnchorNamed(window, u"NUBRIX7587", 1)->click();
    auto clicks = page.Log().EventsOf(StandInEvent::Kind::kClick);
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[0].address, u"http://first.example/");
    EXPECT_EQ(clicks[0].name, u"");
    EXPECT_EQ(clicks[1].address, u"http://second.example/");
}

TEST_F(StandInPageTest, MissingAnchorIsNullAndFailuresAreAnsweredAsDescribed) {
    StandInPageDescription described;
    described.top.insertFails = true;
    StandInPage page(described);
    IHTMLWindow2* window = page.TopWindow().Get();
    EXPECT_EQ(InsertIntoBody(window, u"<A ID=\"NUBRIX7587\" HREF=\"x\">T</A>"), E_FAIL);
    EXPECT_FALSE(AnchorNamed(window, u"NUBRIX7587"));
    EXPECT_TRUE(page.Log().Events().at(0).refused);

    described.top = StandInWindowDescription{};
    described.top.hasBody = false;
    StandInPage noBody(described);
    ComPtr<IHTMLElement> body;
    EXPECT_EQ(DocumentOf(noBody.TopWindow().Get())->get_body(body.Out()), S_OK);
    EXPECT_FALSE(body);

    described.top = StandInWindowDescription{};
    described.top.clickFails = true;
    StandInPage clickFails(described);
    InsertIntoBody(clickFails.TopWindow().Get(), u"<a id=NUBRIX7587 href=x>T</a>");
    EXPECT_EQ(AnchorNamed(clickFails.TopWindow().Get(), u"NUBRIX7587")->click(), E_FAIL);
}

// top, IServiceProvider, SID_SWebBrowserApp, IWebBrowser2, HWND: the road to the browser window.
HRESULT BrowserWindowOf(IHTMLWindow2* window, SHANDLE_PTR* handle) {
    auto services = ComPtr<IHTMLWindow2>(window).As<IServiceProvider>(IID_IServiceProvider);
    if (!services)
        return E_NOINTERFACE;
    ComPtr<IWebBrowser2> browser;
    HRESULT hr = services->QueryService(kSidWebBrowserApp, IID_IWebBrowser2,
                                        reinterpret_cast<void**>(browser.Out()));
    if (FAILED(hr))
        return hr;
    return browser->get_HWND(handle);
}

TEST_F(StandInPageTest, BrowserServiceGivesTheBrowserWindowHandle) {
    StandInPageDescription described;
    described.top.browserWindow = 0x1234;
    StandInPage page(described);
    SHANDLE_PTR handle = 0;
    EXPECT_EQ(BrowserWindowOf(page.TopWindow().Get(), &handle), S_OK);
    EXPECT_EQ(handle, 0x1234);
    EXPECT_EQ(page.Log().Reads("HWND"), 1);

    // A window opened from it belongs to the same browser.
    ComPtr<IHTMLWindow2> opened = Open(page.TopWindow().Get(), u"http://a.example/", u"");
    handle = 0;
    EXPECT_EQ(BrowserWindowOf(opened.Get(), &handle), S_OK);
    EXPECT_EQ(handle, 0x1234);

    // Another service is not offered.
    auto services = page.TopWindow().As<IServiceProvider>(IID_IServiceProvider);
    ComPtr<IWebBrowser2> browser;
    EXPECT_TRUE(FAILED(services->QueryService(IID_IHTMLWindow2, IID_IWebBrowser2,
                                              reinterpret_cast<void**>(browser.Out()))));
}

TEST_F(StandInPageTest, NoBrowserWindowMeansNoBrowserService) {
    StandInPage page(StandInPageDescription{});
    SHANDLE_PTR handle = 0;
    EXPECT_EQ(BrowserWindowOf(page.TopWindow().Get(), &handle), E_NOINTERFACE);
}

TEST_F(StandInPageTest, InterfacesShareOneIdentityAndOneReferenceCount) {
    StandInPage page(StandInPageDescription{});
    IHTMLWindow2* window = page.TopWindow().Get();
    auto services = page.TopWindow().As<IServiceProvider>(IID_IServiceProvider);
    auto dispatch = page.TopWindow().As<IDispatch>(IID_IDispatch);
    ASSERT_TRUE(services);
    ASSERT_TRUE(dispatch);
    EXPECT_EQ(Identity(services.Get()).Get(), Identity(window).Get());
    EXPECT_EQ(Identity(dispatch.Get()).Get(), Identity(window).Get());
    auto back = services.As<IHTMLWindow2>(IID_IHTMLWindow2);
    EXPECT_EQ(back.Get(), window);
    EXPECT_FALSE(page.TopWindow().As<IHTMLDocument2>(IID_IHTMLDocument2));

    // The same count whichever interface is used: AddRef through one, Release through another.
    ULONG afterAdd = services->AddRef();
    ULONG afterRelease = window->Release();
    EXPECT_EQ(afterAdd, afterRelease + 1);
}

TEST_F(StandInPageTest, NonWindowObjectDoesNotOfferTheWindowInterface) {
    auto log = std::make_shared<StandInLog>();
    ComPtr<IDispatch> object = CreateNonWindowObject(log);
    EXPECT_FALSE(object.As<IHTMLWindow2>(IID_IHTMLWindow2));
    EXPECT_TRUE(object.As<IDispatch>(IID_IDispatch));
    EXPECT_EQ(log->Reads("QueryInterface(non-window)"), 2);
}

// The window's IDispatch, as a script reaches it.
HRESULT CallByName(IDispatch* object, const wchar_t* name, WORD flags,
                   std::vector<std::u16string> arguments, VARIANT* result) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
    if (FAILED(hr))
        return hr;
    std::vector<VARIANT> args(arguments.size());
    for (size_t i = 0; i < arguments.size(); ++i) { // last argument first
        VARIANT& arg = args[arguments.size() - 1 - i];
        VariantInit(&arg);
        arg.vt = VT_BSTR;
        arg.bstrVal = SysAllocString(reinterpret_cast<const OLECHAR*>(arguments[i].c_str()));
    }
    DISPPARAMS params = {args.data(), nullptr, static_cast<UINT>(args.size()), 0};
    hr = object->Invoke(id, IID_NULL, 0, flags, &params, result, nullptr, nullptr);
    for (VARIANT& arg : args)
        VariantClear(&arg);
    return hr;
}

TEST_F(StandInPageTest, ScriptsCanOpenNavigateAndReadTopAndName) {
    StandInPageDescription described;
    described.top.name = u"main";
    described.frame = StandInWindowDescription{};
    StandInPage page(described);
    auto frame = page.FrameWindow().As<IDispatch>(IID_IDispatch);

    Variant top;
    ASSERT_EQ(CallByName(frame.Get(), L"top", DISPATCH_PROPERTYGET, {}, top.Get()), S_OK);
    ASSERT_EQ(top->vt, VT_DISPATCH);
    Variant name;
    ASSERT_EQ(CallByName(top->pdispVal, L"name", DISPATCH_PROPERTYGET, {}, name.Get()), S_OK);
    ASSERT_EQ(name->vt, VT_BSTR);
    EXPECT_EQ(TextOf(name->bstrVal), u"main");

    Variant opened;
    ASSERT_EQ(CallByName(top->pdispVal, L"open", DISPATCH_METHOD,
                         {u"http://a.example/", u"w", u"toolbar=0"}, opened.Get()),
              S_OK);
    EXPECT_EQ(opened->vt, VT_DISPATCH);
    Variant ignored;
    EXPECT_EQ(CallByName(top->pdispVal, L"NAVIGATE", DISPATCH_METHOD, {u"mailto:x@example.com"},
                         ignored.Get()),
              S_OK);
    EXPECT_EQ(CallByName(frame.Get(), L"alert", DISPATCH_METHOD, {}, ignored.Get()),
              DISP_E_UNKNOWNNAME);

    ASSERT_EQ(page.Log().Events().size(), 2u);
    EXPECT_EQ(page.Log().Events()[0].window, u"top");
    EXPECT_EQ(page.Log().Events()[0].features, u"toolbar=0");
    EXPECT_EQ(page.Log().Events()[1].address, u"mailto:x@example.com");
}

} // namespace
} // namespace tandrel::standin
