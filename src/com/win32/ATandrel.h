// The scriptable object the browser's menu pages create ("KVO.ATandrel"): one dual interface
// with one method, Click, and the safety options scripting hosts ask for.
#pragma once

#include <objsafe.h>
#include <windows.h>

#include "nubrix_h.h"

namespace tandrel {

class CATandrel final : public IATandrel, public IObjectSafety {
public:
    /// Creates an object, standalone or as part of an outer object, and asks it for iid.
    static HRESULT Create(IUnknown* outer, REFIID iid, void** object);

    // IUnknown (delegates to the outer object when aggregated)
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch, served from the type library
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** typeInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                               DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

    // IATandrel
    STDMETHODIMP Click(IUnknown* pExternWindow, BSTR _s1, BSTR _s2, BSTR _s3) override;

    // IObjectSafety
    STDMETHODIMP GetInterfaceSafetyOptions(REFIID iid, DWORD* supported, DWORD* enabled) override;
    STDMETHODIMP SetInterfaceSafetyOptions(REFIID iid, DWORD mask, DWORD enabled) override;

private:
    /// The object's own IUnknown: the one an outer object holds, never delegating.
    class CInnerUnknown : public IUnknown {
    public:
        explicit CInnerUnknown(CATandrel* owner) : owner_(owner) {}
        STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;

    private:
        CATandrel* owner_;
    };

    explicit CATandrel(IUnknown* outer);
    ~CATandrel();
    CATandrel(const CATandrel&) = delete;
    CATandrel& operator=(const CATandrel&) = delete;

    /// Whether the object (through its controlling IUnknown) offers the interface.
    HRESULT LookUpInterface(REFIID iid);

    CInnerUnknown inner_;
    IUnknown* controlling_; ///< the outer object, or inner_ when standalone
    LONG references_ = 1;
    DWORD safetyOptions_ = 0;
};

} // namespace tandrel
