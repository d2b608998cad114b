#include "com/win32/ATandrel.h"

#include "com/CommandDispatch.h"
#include "com/win32/ModuleState.h"
#include "common/win32/ComPtr.h"
#include "page/win32/HtmlWindow.h"

#include <new>
#include <string>

namespace tandrel {

namespace {
constexpr DWORD kSupportedSafety =
    INTERFACESAFE_FOR_UNTRUSTED_CALLER | INTERFACESAFE_FOR_UNTRUSTED_DATA;
} // namespace

HRESULT CATandrel::Create(IUnknown* outer, REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    // An outer object may only hold the inner IUnknown.
    if (outer && !IsEqualIID(iid, IID_IUnknown))
        return CLASS_E_NOAGGREGATION;
    auto* created = new (std::nothrow) CATandrel(outer);
    if (!created)
        return E_OUTOFMEMORY;
    HRESULT hr = created->inner_.QueryInterface(iid, object);
    created->inner_.Release();
    return hr;
}

CATandrel::CATandrel(IUnknown* outer) : inner_(this), controlling_(outer ? outer : &inner_) {
    ObjectCreated();
}

CATandrel::~CATandrel() {
    ObjectDestroyed();
}

HRESULT CATandrel::LookUpInterface(REFIID iid) {
    ComPtr<IUnknown> probe;
    return QueryInterface(iid, reinterpret_cast<void**>(probe.Out()));
}

// ---------------------------------------------------------------------------------------------
// The inner, non-delegating IUnknown

STDMETHODIMP CATandrel::CInnerUnknown::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown))
        *object = static_cast<IUnknown*>(this);
    else if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IATandrel))
        *object = static_cast<IATandrel*>(owner_);
    else if (IsEqualIID(iid, IID_IObjectSafety))
        *object = static_cast<IObjectSafety*>(owner_);
    else
        return E_NOINTERFACE;
    static_cast<IUnknown*>(*object)->AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CATandrel::CInnerUnknown::AddRef() {
    return InterlockedIncrement(&owner_->references_);
}

STDMETHODIMP_(ULONG) CATandrel::CInnerUnknown::Release() {
    ULONG remaining = InterlockedDecrement(&owner_->references_);
    if (remaining == 0)
        delete owner_;
    return remaining;
}

// ---------------------------------------------------------------------------------------------
// IUnknown

STDMETHODIMP CATandrel::QueryInterface(REFIID iid, void** object) {
    return controlling_->QueryInterface(iid, object);
}

STDMETHODIMP_(ULONG) CATandrel::AddRef() {
    return controlling_->AddRef();
}

STDMETHODIMP_(ULONG) CATandrel::Release() {
    return controlling_->Release();
}

// ---------------------------------------------------------------------------------------------
// IDispatch

STDMETHODIMP CATandrel::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 1;
    return S_OK;
}

STDMETHODIMP CATandrel::GetTypeInfo(UINT index, LCID, ITypeInfo** typeInfo) {
    if (!typeInfo)
        return E_POINTER;
    *typeInfo = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    return GetScriptableTypeInfo(typeInfo);
}

STDMETHODIMP CATandrel::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    ComPtr<ITypeInfo> typeInfo;
    HRESULT hr = GetScriptableTypeInfo(typeInfo.Out());
    if (FAILED(hr))
        return hr;
    return typeInfo->GetIDsOfNames(names, count, ids);
}

STDMETHODIMP CATandrel::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
    if (!IsEqualIID(iid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    ComPtr<ITypeInfo> typeInfo;
    HRESULT hr = GetScriptableTypeInfo(typeInfo.Out());
    if (FAILED(hr))
        return hr;
    return typeInfo->Invoke(static_cast<IATandrel*>(this), id, flags, params, result, exception,
                            argumentError);
}

// ---------------------------------------------------------------------------------------------
// IATandrel

STDMETHODIMP CATandrel::Click(IUnknown* pExternWindow, BSTR _s1, BSTR, BSTR) {
    // Whatever happens inside a command, the page's script must never see an error.
    try {
        const std::u16string keyword = FromBstr(_s1);
        RunCommand(WrapHtmlWindow(pExternWindow), _s1 ? keyword.c_str() : nullptr,
                   ActiveCommands());
    } catch (...) {
    }
    return S_OK;
}

// ---------------------------------------------------------------------------------------------
// IObjectSafety

STDMETHODIMP CATandrel::GetInterfaceSafetyOptions(REFIID iid, DWORD* supported, DWORD* enabled) {
    if (!supported || !enabled)
        return E_POINTER;
    HRESULT lookup = LookUpInterface(iid);
    if (FAILED(lookup)) {
        *supported = 0;
        *enabled = 0;
        return lookup;
    }
    *supported = kSupportedSafety;
    *enabled = safetyOptions_;
    return S_OK;
}

STDMETHODIMP CATandrel::SetInterfaceSafetyOptions(REFIID iid, DWORD mask, DWORD enabled) {
    if (FAILED(LookUpInterface(iid)))
        return E_NOINTERFACE;
    if (mask & ~kSupportedSafety)
        return E_FAIL;
    safetyOptions_ = (safetyOptions_ & ~mask) | (enabled & mask);
    return S_OK;
}

} // namespace tandrel
