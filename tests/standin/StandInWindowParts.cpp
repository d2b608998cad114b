// The small read-only objects of a window: its location, its screen and the browser control.

#include "ComObject.h"
#include "NotImplementedBases.h"
#include "StandInObjects.h"
#include "StandInText.h"

namespace tandrel::standin::detail {

const GUID kSidWebBrowserApp = {
    0x0002DF05, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

namespace {

class CStandInLocation : public ComObject<NotImplemented<IHTMLLocation>> {
public:
    CStandInLocation(std::optional<std::u16string> href, std::optional<std::u16string> hostName,
                     std::shared_ptr<StandInLog> log)
        : href_(std::move(href)), hostName_(std::move(hostName)), log_(std::move(log)) {}

    // IHTMLLocation
    HRESULT STDMETHODCALLTYPE get_href(BSTR* p) override {
        log_->CountRead("href");
        return AnswerText(href_, p);
    }
    HRESULT STDMETHODCALLTYPE get_hostname(BSTR* p) override {
        log_->CountRead("hostname");
        return AnswerText(hostName_, p);
    }
    HRESULT STDMETHODCALLTYPE toString(BSTR* p) override { return AnswerText(href_, p); }

protected:
    void* FindInterface(REFIID iid) override {
        return IsDispatchIdentity(iid, IID_IHTMLLocation) ? static_cast<IHTMLLocation*>(this)
                                                          : nullptr;
    }

private:
    std::optional<std::u16string> href_;
    std::optional<std::u16string> hostName_;
    std::shared_ptr<StandInLog> log_;
};

class CStandInScreen : public ComObject<NotImplemented<IHTMLScreen>> {
public:
    CStandInScreen(StandInScreenSize size, std::shared_ptr<StandInLog> log)
        : size_(size), log_(std::move(log)) {}

    // IHTMLScreen
    HRESULT STDMETHODCALLTYPE get_availWidth(LONG* p) override {
        log_->CountRead("availWidth");
        return AnswerNumber(size_.availWidth, p);
    }
    HRESULT STDMETHODCALLTYPE get_availHeight(LONG* p) override {
        log_->CountRead("availHeight");
        return AnswerNumber(size_.availHeight, p);
    }

protected:
    void* FindInterface(REFIID iid) override {
        return IsDispatchIdentity(iid, IID_IHTMLScreen) ? static_cast<IHTMLScreen*>(this) : nullptr;
    }

private:
    static HRESULT AnswerNumber(long value, LONG* out) {
        if (!out)
            return E_POINTER;
        *out = value;
        return S_OK;
    }

    StandInScreenSize size_;
    std::shared_ptr<StandInLog> log_;
};

class CStandInBrowserControl : public ComObject<NotImplemented<IWebBrowser2>> {
public:
    CStandInBrowserControl(std::uintptr_t windowHandle, std::shared_ptr<StandInLog> log)
        : windowHandle_(windowHandle), log_(std::move(log)) {}

    // IWebBrowserApp
    HRESULT STDMETHODCALLTYPE get_HWND(SHANDLE_PTR* p) override {
        log_->CountRead("HWND");
        if (!p)
            return E_POINTER;
        *p = static_cast<SHANDLE_PTR>(windowHandle_);
        return S_OK;
    }

protected:
    void* FindInterface(REFIID iid) override {
        if (IsDispatchIdentity(iid, IID_IWebBrowser2) || IsEqualIID(iid, IID_IWebBrowserApp) ||
            IsEqualIID(iid, IID_IWebBrowser))
            return static_cast<IWebBrowser2*>(this);
        return nullptr;
    }

private:
    std::uintptr_t windowHandle_;
    std::shared_ptr<StandInLog> log_;
};

} // namespace

ComPtr<IHTMLLocation> CreateLocation(std::optional<std::u16string> href,
                                     std::optional<std::u16string> hostName,
                                     std::shared_ptr<StandInLog> log) {
    return ComPtr<IHTMLLocation>(
        new CStandInLocation(std::move(href), std::move(hostName), std::move(log)));
}

ComPtr<IHTMLScreen> CreateScreen(StandInScreenSize size, std::shared_ptr<StandInLog> log) {
    return ComPtr<IHTMLScreen>(new CStandInScreen(size, std::move(log)));
}

ComPtr<IWebBrowser2> CreateBrowserControl(std::uintptr_t windowHandle,
                                          std::shared_ptr<StandInLog> log) {
    return ComPtr<IWebBrowser2>(new CStandInBrowserControl(windowHandle, std::move(log)));
}

} // namespace tandrel::standin::detail
