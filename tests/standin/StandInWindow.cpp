// A browser window: its reads (top, name, screen, location, document), the calls that change
// the page (open, navigate), and the browser service that leads to the browser control. Its
// IDispatch knows open, navigate, top and name, so that a script can drive it.

#include "ComObject.h"
#include "NotImplementedBases.h"
#include "StandInObjects.h"
#include "StandInText.h"

#include <servprov.h>

namespace tandrel::standin::detail {

namespace {

// The members a script can reach through IDispatch.
enum ScriptMember : DISPID { kMemberOpen = 1, kMemberNavigate, kMemberTop, kMemberName };

const struct {
    const wchar_t* name;
    DISPID id;
} kScriptMembers[] = {{L"open", kMemberOpen},
                      {L"navigate", kMemberNavigate},
                      {L"top", kMemberTop},
                      {L"name", kMemberName}};

// Argument `position` (0 = first) of a dispatch call as text; empty when not given.
std::u16string TextArgument(const DISPPARAMS& params, UINT position) {
    if (position >= params.cArgs)
        return {};
    VARIANT converted;
    VariantInit(&converted);
    // Arguments arrive last first.
    VARIANT& given = params.rgvarg[params.cArgs - 1 - position];
    if (FAILED(VariantChangeType(&converted, &given, 0, VT_BSTR)))
        return {};
    std::u16string text = TextOf(converted.bstrVal);
    VariantClear(&converted);
    return text;
}

bool BoolArgument(const DISPPARAMS& params, UINT position) {
    if (position >= params.cArgs)
        return false;
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(
            VariantChangeType(&converted, &params.rgvarg[params.cArgs - 1 - position], 0, VT_BOOL)))
        return false;
    return converted.boolVal != VARIANT_FALSE;
}

class CStandInWindow : public ComObject<NotImplemented<IHTMLWindow2>, IServiceProvider> {
public:
    CStandInWindow(const StandInWindowDescription& described, std::u16string label,
                   ComPtr<IHTMLWindow2> top, std::shared_ptr<BrowserState> browser)
        : described_(described), label_(std::move(label)), top_(std::move(top)),
          browser_(std::move(browser)), document_(CreateDocument(described_, label_, Log())) {}

    /// The window shows another address (a named window reused by open).
    void ShowAddress(const std::u16string& address) {
        described_.href = address;
        described_.hostName = HostOfAddress(address);
    }

    // IHTMLWindow2: reads
    HRESULT STDMETHODCALLTYPE get_top(IHTMLWindow2** p) override {
        Log()->CountRead("top");
        if (!p)
            return E_POINTER;
        *p = nullptr;
        switch (described_.top) {
        case TopAnswer::kFails:
            return described_.topFailure;
        case TopAnswer::kNull:
            return S_OK;
        case TopAnswer::kOk:
            break;
        }
        return TopWindow()->QueryInterface(IID_IHTMLWindow2, reinterpret_cast<void**>(p));
    }
    HRESULT STDMETHODCALLTYPE get_parent(IHTMLWindow2** p) override {
        if (!p)
            return E_POINTER;
        return TopWindow()->QueryInterface(IID_IHTMLWindow2, reinterpret_cast<void**>(p));
    }
    HRESULT STDMETHODCALLTYPE get_self(IHTMLWindow2** p) override { return Self(p); }
    HRESULT STDMETHODCALLTYPE get_window(IHTMLWindow2** p) override { return Self(p); }

    HRESULT STDMETHODCALLTYPE get_screen(IHTMLScreen** p) override {
        Log()->CountRead("screen");
        if (!p)
            return E_POINTER;
        *p = nullptr;
        if (!described_.screen)
            return S_OK;
        return CreateScreen(*described_.screen, Log())
            ->QueryInterface(IID_IHTMLScreen, reinterpret_cast<void**>(p));
    }
    HRESULT STDMETHODCALLTYPE get_name(BSTR* p) override {
        Log()->CountRead("name");
        if (!p)
            return E_POINTER;
        *p = nullptr;
        if (!described_.name)
            return E_FAIL;
        *p = NewBstr(*described_.name);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_location(IHTMLLocation** p) override {
        Log()->CountRead("location");
        if (!p)
            return E_POINTER;
        *p = nullptr;
        return CreateLocation(described_.href, described_.hostName, Log())
            ->QueryInterface(IID_IHTMLLocation, reinterpret_cast<void**>(p));
    }
    HRESULT STDMETHODCALLTYPE get_document(IHTMLDocument2** p) override {
        Log()->CountRead("document");
        if (!p)
            return E_POINTER;
        *p = document_.Get();
        (*p)->AddRef();
        return S_OK;
    }

    // IHTMLWindow2: changes
    HRESULT STDMETHODCALLTYPE open(BSTR url, BSTR name, BSTR features, VARIANT_BOOL replace,
                                   IHTMLWindow2** opened) override {
        if (!opened)
            return E_POINTER;
        *opened = nullptr;
        StandInEvent event;
        event.kind = StandInEvent::Kind::kOpen;
        event.window = label_;
        event.address = TextOf(url);
        event.name = TextOf(name);
        event.features = TextOf(features);
        event.replace = replace != VARIANT_FALSE;
        event.refused = described_.openRefused;
        Log()->Record(event);
        if (described_.openRefused)
            return S_OK;
        ComPtr<IHTMLWindow2> window = WindowToOpen(event.address, event.name);
        return window->QueryInterface(IID_IHTMLWindow2, reinterpret_cast<void**>(opened));
    }
    HRESULT STDMETHODCALLTYPE navigate(BSTR url) override {
        StandInEvent event;
        event.kind = StandInEvent::Kind::kNavigate;
        event.window = label_;
        event.address = TextOf(url);
        event.refused = FAILED(described_.navigateResult);
        Log()->Record(std::move(event));
        return described_.navigateResult;
    }
    HRESULT STDMETHODCALLTYPE focus() override { return S_OK; }

    // IServiceProvider
    HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** object) override {
        Log()->CountRead("QueryService");
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (!IsEqualGUID(service, kSidWebBrowserApp) || described_.browserWindow == 0)
            return E_NOINTERFACE;
        return CreateBrowserControl(described_.browserWindow, Log())->QueryInterface(iid, object);
    }

    // IDispatch, for scripts
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
        if (!names || !ids)
            return E_POINTER;
        HRESULT result = S_OK;
        for (UINT i = 0; i < count; ++i) {
            ids[i] = DISPID_UNKNOWN;
            for (const auto& member : kScriptMembers) {
                if (i == 0 && _wcsicmp(names[i], member.name) == 0)
                    ids[i] = member.id;
            }
            if (ids[i] == DISPID_UNKNOWN)
                result = DISP_E_UNKNOWNNAME;
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO*, UINT*) override {
        DISPPARAMS none = {nullptr, nullptr, 0, 0};
        const DISPPARAMS& args = params ? *params : none;
        VARIANT ignored;
        VARIANT* answer = result ? result : &ignored;
        VariantInit(answer);
        switch (member) {
        case kMemberOpen:
            return InvokeOpen(args, answer);
        case kMemberNavigate:
            return navigate(Bstr(TextArgument(args, 0)).Get());
        case kMemberTop:
        case kMemberName:
            if (!(flags & DISPATCH_PROPERTYGET) && args.cArgs != 0)
                return DISP_E_MEMBERNOTFOUND;
            return member == kMemberTop ? InvokeTop(answer) : InvokeName(answer);
        default:
            return DISP_E_MEMBERNOTFOUND;
        }
    }

protected:
    void* FindInterface(REFIID iid) override {
        if (IsDispatchIdentity(iid, IID_IHTMLWindow2) ||
            IsEqualIID(iid, IID_IHTMLFramesCollection2))
            return static_cast<IHTMLWindow2*>(this);
        if (IsEqualIID(iid, IID_IServiceProvider))
            return static_cast<IServiceProvider*>(this);
        return nullptr;
    }

private:
    const std::shared_ptr<StandInLog>& Log() const { return browser_->log; }

    IHTMLWindow2* TopWindow() { return top_ ? top_.Get() : static_cast<IHTMLWindow2*>(this); }

    HRESULT Self(IHTMLWindow2** p) {
        if (!p)
            return E_POINTER;
        *p = this;
        AddRef();
        return S_OK;
    }

    // A named window that is already open is reused, showing the new address; "_blank" and
    // the empty name always give a new window.
    ComPtr<IHTMLWindow2> WindowToOpen(const std::u16string& address, const std::u16string& name) {
        bool named = !name.empty() && !EqualsNoCase(name, u"_blank");
        if (named) {
            for (const auto& opened : browser_->opened) {
                if (opened.name == name) {
                    static_cast<CStandInWindow*>(opened.window.Get())->ShowAddress(address);
                    return opened.window;
                }
            }
        }
        StandInWindowDescription described;
        described.name = named ? name : u"";
        described.href = address;
        described.hostName = HostOfAddress(address);
        described.screen = described_.screen;
        described.browserWindow = described_.browserWindow;
        std::u16string label = u"opened ";
        for (char c : std::to_string(++browser_->openedCount))
            label += static_cast<char16_t>(c);
        ComPtr<IHTMLWindow2> window(new CStandInWindow(described, label, nullptr, browser_));
        if (!browser_->closed)
            browser_->opened.push_back({named ? name : u"", window});
        return window;
    }

    HRESULT InvokeOpen(const DISPPARAMS& args, VARIANT* answer) {
        ComPtr<IHTMLWindow2> opened;
        HRESULT hr = open(Bstr(TextArgument(args, 0)).Get(), Bstr(TextArgument(args, 1)).Get(),
                          Bstr(TextArgument(args, 2)).Get(),
                          BoolArgument(args, 3) ? VARIANT_TRUE : VARIANT_FALSE, opened.Out());
        if (FAILED(hr))
            return hr;
        answer->vt = VT_DISPATCH;
        answer->pdispVal = opened.Get();
        if (answer->pdispVal)
            answer->pdispVal->AddRef();
        return S_OK;
    }

    HRESULT InvokeTop(VARIANT* answer) {
        ComPtr<IHTMLWindow2> top;
        HRESULT hr = get_top(top.Out());
        if (FAILED(hr))
            return hr;
        answer->vt = VT_DISPATCH;
        answer->pdispVal = top.Get();
        if (answer->pdispVal)
            answer->pdispVal->AddRef();
        return S_OK;
    }

    HRESULT InvokeName(VARIANT* answer) {
        BSTR name = nullptr;
        HRESULT hr = get_name(&name);
        if (FAILED(hr))
            return hr;
        answer->vt = VT_BSTR;
        answer->bstrVal = name;
        return S_OK;
    }

    StandInWindowDescription described_;
    std::u16string label_;
    ComPtr<IHTMLWindow2> top_;
    std::shared_ptr<BrowserState> browser_;
    ComPtr<IHTMLDocument2> document_;
};

} // namespace

ComPtr<IHTMLWindow2> CreateWindowObject(const StandInWindowDescription& described,
                                        std::u16string label, ComPtr<IHTMLWindow2> top,
                                        std::shared_ptr<BrowserState> browser) {
    return ComPtr<IHTMLWindow2>(
        new CStandInWindow(described, std::move(label), std::move(top), std::move(browser)));
}

void CloseOpenedWindows(BrowserState& browser) {
    browser.closed = true;
    // Moved out first: a window released here may be the last holder of the browser state.
    auto opened = std::move(browser.opened);
    browser.opened.clear();
    opened.clear();
}

} // namespace tandrel::standin::detail
