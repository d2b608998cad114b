#include "ScriptHost.h"

#include "ComObject.h"
#include "NotImplementedBases.h"
#include "StandInText.h"
#include "common/TextConversion.h"

#include "common/win32/ComPtr.h"

#include <activscp.h>

#include <cstdio>

namespace tandrel::standin {

namespace {

constexpr DISPID kMenuArguments = 1;

// The browser's `external` object as a menu entry's script sees it: menuArguments only.
class CExternal : public ComObject<NotImplemented<IDispatch>> {
public:
    CExternal(IDispatch* menuArguments, std::shared_ptr<StandInLog> log)
        : menuArguments_(menuArguments), log_(std::move(log)) {}

    // IDispatch
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
        for (UINT i = 0; i < count; ++i)
            ids[i] = i == 0 && _wcsicmp(names[0], L"menuArguments") == 0 ? kMenuArguments
                                                                         : DISPID_UNKNOWN;
        return count > 0 && ids[0] == kMenuArguments && count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO*, UINT*) override {
        if (member != kMenuArguments)
            return DISP_E_MEMBERNOTFOUND;
        if (!(flags & DISPATCH_PROPERTYGET) && params && params->cArgs != 0)
            return DISP_E_MEMBERNOTFOUND;
        log_->CountRead("menuArguments");
        if (result) {
            VariantInit(result);
            result->vt = VT_DISPATCH;
            result->pdispVal = menuArguments_.Get();
            if (result->pdispVal)
                result->pdispVal->AddRef();
        }
        return S_OK;
    }

protected:
    void* FindInterface(REFIID iid) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch))
            return static_cast<IDispatch*>(this);
        return nullptr;
    }

private:
    ComPtr<IDispatch> menuArguments_;
    std::shared_ptr<StandInLog> log_;
};

// The host side of the engine: serves the named item and keeps the first error reported.
class CScriptSite : public ComObject<IActiveScriptSite> {
public:
    explicit CScriptSite(ComPtr<IDispatch> external) : external_(std::move(external)) {}

    bool HasError() const { return hasError_; }
    const std::string& ErrorText() const { return errorText_; }
    unsigned ErrorLine() const { return errorLine_; } ///< 0-based, in the parsed code

    // IActiveScriptSite
    HRESULT STDMETHODCALLTYPE GetLCID(LCID* lcid) override {
        if (!lcid)
            return E_POINTER;
        *lcid = GetUserDefaultLCID();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetItemInfo(LPCOLESTR name, DWORD mask, IUnknown** item,
                                          ITypeInfo** typeInfo) override {
        if (item)
            *item = nullptr;
        if (typeInfo)
            *typeInfo = nullptr;
        if (!name || _wcsicmp(name, L"external") != 0)
            return TYPE_E_ELEMENTNOTFOUND;
        if (mask & SCRIPTINFO_ITYPEINFO)
            return TYPE_E_ELEMENTNOTFOUND;
        if (mask & SCRIPTINFO_IUNKNOWN) {
            if (!item)
                return E_POINTER;
            return external_->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(item));
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDocVersionString(BSTR* version) override {
        if (version)
            *version = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE OnScriptTerminate(const VARIANT*, const EXCEPINFO*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnStateChange(SCRIPTSTATE) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnScriptError(IActiveScriptError* error) override {
        if (!error || hasError_)
            return S_OK;
        hasError_ = true;
        EXCEPINFO info = {};
        if (SUCCEEDED(error->GetExceptionInfo(&info)))
            errorText_ = DescribeException(info);
        DWORD context = 0;
        ULONG line = 0;
        LONG column = 0;
        if (SUCCEEDED(error->GetSourcePosition(&context, &line, &column)))
            errorLine_ = line;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnEnterScript() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnLeaveScript() override { return S_OK; }

    /// The description of an exception, or its code when it has none; frees its strings.
    static std::string DescribeException(EXCEPINFO& info) {
        if (info.pfnDeferredFillIn)
            info.pfnDeferredFillIn(&info);
        std::string text = WideToUtf8(TextOf(info.bstrDescription));
        if (text.empty()) {
            char code[32];
            std::snprintf(code, sizeof code, "error 0x%08lX",
                          static_cast<unsigned long>(info.scode ? info.scode : info.wCode));
            text = code;
        }
        SysFreeString(info.bstrDescription);
        SysFreeString(info.bstrSource);
        SysFreeString(info.bstrHelpFile);
        return text;
    }

protected:
    void* FindInterface(REFIID iid) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IActiveScriptSite))
            return static_cast<IActiveScriptSite*>(this);
        return nullptr;
    }

private:
    ComPtr<IDispatch> external_;
    bool hasError_ = false;
    std::string errorText_;
    unsigned errorLine_ = 0;
};

std::string HexCode(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

} // namespace

ScriptRun RunMenuScript(const std::u16string& code, unsigned firstLine, IDispatch* menuArguments,
                        std::shared_ptr<StandInLog> log) {
    ScriptRun run;
    CLSID engineClass;
    ComPtr<IActiveScript> engine;
    HRESULT hr = CLSIDFromProgID(L"JScript", &engineClass);
    if (SUCCEEDED(hr))
        hr = CoCreateInstance(engineClass, nullptr, CLSCTX_INPROC_SERVER, IID_IActiveScript,
                              reinterpret_cast<void**>(engine.Out()));
    auto parser = engine.As<IActiveScriptParse>(__uuidof(IActiveScriptParse));
    if (FAILED(hr) || !parser) {
        run.outcome = ScriptRun::Outcome::kNoEngine;
        run.message = "the JScript engine is not available (" + HexCode(hr) + ")";
        return run;
    }

    ComPtr<IDispatch> external(new CExternal(menuArguments, std::move(log)));
    ComPtr<CScriptSite> site(new CScriptSite(external));
    EXCEPINFO exception = {};
    if (SUCCEEDED(hr = engine->SetScriptSite(site.Get())) && SUCCEEDED(hr = parser->InitNew()) &&
        SUCCEEDED(hr = engine->AddNamedItem(L"external", SCRIPTITEM_ISVISIBLE)) &&
        SUCCEEDED(hr = engine->SetScriptState(SCRIPTSTATE_STARTED))) {
        hr = parser->ParseScriptText(reinterpret_cast<const wchar_t*>(code.c_str()), nullptr,
                                     nullptr, nullptr, 0, 0, SCRIPTTEXT_ISVISIBLE, nullptr,
                                     &exception);
    }
    engine->Close();

    if (site->HasError()) {
        run.outcome = ScriptRun::Outcome::kScriptError;
        run.message = site->ErrorText();
        run.line = firstLine + site->ErrorLine() + 1;
    } else if (FAILED(hr)) {
        run.outcome = ScriptRun::Outcome::kScriptError;
        bool described = exception.bstrDescription != nullptr;
        std::string description = CScriptSite::DescribeException(exception);
        run.message = described ? description : "the script failed (" + HexCode(hr) + ")";
    }
    return run;
}

} // namespace tandrel::standin
