#include "page/win32/HtmlWindow.h"

#include "common/Platform.h"
#include "common/win32/ComPtr.h"

#include <exdisp.h>
#include <mshtml.h>
#include <servprov.h>

namespace tandrel {

namespace {

// The browser application's service, through which a page reaches its browser control.
const GUID kSidWebBrowserApp = {
    0x0002DF05, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Reads a string property through a getter; none when the call fails.
template <typename T, typename Getter>
std::optional<std::u16string> ReadText(const ComPtr<T>& object, Getter getter) {
    if (!object)
        return std::nullopt;
    Bstr text;
    if (FAILED((object.Get()->*getter)(text.Out())))
        return std::nullopt;
    return text.Text();
}

class CHtmlWindow : public IBrowserWindow {
public:
    explicit CHtmlWindow(ComPtr<IHTMLWindow2> window) : window_(std::move(window)) {}

    HResult GetTop(BrowserWindowPtr& top) override {
        top = nullptr;
        ComPtr<IHTMLWindow2> topWindow;
        HRESULT hr = window_->get_top(topWindow.Out());
        if (FAILED(hr))
            return hr;
        if (!topWindow)
            return E_FAIL;
        top = std::make_shared<CHtmlWindow>(topWindow);
        return S_OK;
    }

    std::optional<ScreenSize> GetScreenSize() override {
        ComPtr<IHTMLScreen> screen;
        if (FAILED(window_->get_screen(screen.Out())) || !screen)
            return std::nullopt;
        ScreenSize size{640, 480};
        long value = 0;
        if (SUCCEEDED(screen->get_availWidth(&value)))
            size.width = value;
        if (SUCCEEDED(screen->get_availHeight(&value)))
            size.height = value;
        return size;
    }

    std::optional<std::u16string> GetName() override {
        return ReadText(window_, &IHTMLWindow2::get_name);
    }
    std::optional<std::u16string> GetHref() override {
        return ReadText(Location(), &IHTMLLocation::get_href);
    }
    std::optional<std::u16string> GetHostName() override {
        return ReadText(Location(), &IHTMLLocation::get_hostname);
    }
    std::optional<std::u16string> GetTitle() override {
        return ReadText(Document(), &IHTMLDocument2::get_title);
    }

    std::optional<SelectionText> GetSelection() override {
        ComPtr<IHTMLDocument2> document = Document();
        ComPtr<IHTMLSelectionObject> selection;
        if (!document || FAILED(document->get_selection(selection.Out())) || !selection)
            return std::nullopt;
        ComPtr<IDispatch> range;
        if (FAILED(selection->createRange(range.Out())) || !range)
            return std::nullopt;
        auto textRange = range.As<IHTMLTxtRange>(IID_IHTMLTxtRange);
        if (!textRange)
            return std::nullopt;
        return SelectionText{ReadText(textRange, &IHTMLTxtRange::get_text),
                             ReadText(textRange, &IHTMLTxtRange::get_htmlText)};
    }

    BrowserWindowPtr Open(const std::u16string& address, const std::u16string& name,
                          const std::u16string& features) override {
        Bstr url(address), windowName(name), windowFeatures(features);
        ComPtr<IHTMLWindow2> opened;
        if (FAILED(window_->open(url.Get(), windowName.Get(), windowFeatures.Get(), VARIANT_FALSE,
                                 opened.Out())) ||
            !opened)
            return nullptr;
        return std::make_shared<CHtmlWindow>(opened);
    }

    HResult Navigate(const std::u16string& address) override {
        Bstr url(address);
        return window_->navigate(url.Get());
    }

    bool BringToFront() override {
        ComPtr<IHTMLWindow2> top;
        if (FAILED(window_->get_top(top.Out())) || !top)
            return false;
        auto services = top.As<IServiceProvider>(IID_IServiceProvider);
        ComPtr<IWebBrowser2> browser;
        if (!services ||
            FAILED(services->QueryService(kSidWebBrowserApp, IID_IWebBrowser2,
                                          reinterpret_cast<void**>(browser.Out()))) ||
            !browser)
            return false;
        SHANDLE_PTR handle = 0;
        if (FAILED(browser->get_HWND(&handle)))
            return false;
        return CurrentPlatform().ui->BringWindowToFront(static_cast<WindowHandle>(handle));
    }

    bool HasBody() override { return static_cast<bool>(Body()); }

    bool InsertAtBodyEnd(const std::u16string& markup) override {
        ComPtr<IHTMLElement> body = Body();
        if (!body)
            return false;
        Bstr where(u"beforeEnd"), html(markup);
        return SUCCEEDED(body->insertAdjacentHTML(where.Get(), html.Get()));
    }

    bool ClickAnchor(const std::u16string& id) override {
        ComPtr<IHTMLElement> anchor = Anchor(id);
        return anchor && SUCCEEDED(anchor->click());
    }

    bool HasAnchor(const std::u16string& id) override { return static_cast<bool>(Anchor(id)); }

private:
    // document.anchors.item(id, 0) as an element; null when a step fails.
    ComPtr<IHTMLElement> Anchor(const std::u16string& id) {
        ComPtr<IHTMLDocument2> document = Document();
        ComPtr<IHTMLElementCollection> anchors;
        if (!document || FAILED(document->get_anchors(anchors.Out())) || !anchors)
            return nullptr;
        Variant name, index;
        name->vt = VT_BSTR;
        name->bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(id.data()),
                                          static_cast<UINT>(id.size()));
        index->vt = VT_I4;
        index->lVal = 0;
        ComPtr<IDispatch> item;
        if (FAILED(anchors->item(*name.Get(), *index.Get(), item.Out())) || !item)
            return nullptr;
        return item.As<IHTMLElement>(IID_IHTMLElement);
    }

    ComPtr<IHTMLLocation> Location() {
        ComPtr<IHTMLLocation> location;
        if (FAILED(window_->get_location(location.Out())))
            return nullptr;
        return location;
    }

    ComPtr<IHTMLDocument2> Document() {
        ComPtr<IHTMLDocument2> document;
        if (FAILED(window_->get_document(document.Out())))
            return nullptr;
        return document;
    }

    ComPtr<IHTMLElement> Body() {
        ComPtr<IHTMLDocument2> document = Document();
        ComPtr<IHTMLElement> body;
        if (!document || FAILED(document->get_body(body.Out())))
            return nullptr;
        return body;
    }

    ComPtr<IHTMLWindow2> window_;
};

} // namespace

BrowserWindowPtr WrapHtmlWindow(IUnknown* windowObject) {
    if (!windowObject)
        return nullptr;
    ComPtr<IHTMLWindow2> window;
    if (FAILED(windowObject->QueryInterface(IID_IHTMLWindow2,
                                            reinterpret_cast<void**>(window.Out()))) ||
        !window)
        return nullptr;
    return std::make_shared<CHtmlWindow>(window);
}

} // namespace tandrel
