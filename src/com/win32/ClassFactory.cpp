#include "com/win32/ClassFactory.h"

#include "com/win32/ATandrel.h"
#include "com/win32/ModuleState.h"

#include <new>

namespace tandrel {

namespace {

struct ClassEntry {
    const CLSID* classId;
    CreateFunction create;
};

const ClassEntry kClasses[] = {
    {&CLSID_ATandrel, &CATandrel::Create},
};

} // namespace

// A factory counts as a live object, so the module stays while someone holds one.
CClassFactory::CClassFactory(CreateFunction create) : create_(create) {
    ObjectCreated();
}

CClassFactory::~CClassFactory() {
    ObjectDestroyed();
}

STDMETHODIMP CClassFactory::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory))
        return E_NOINTERFACE;
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CClassFactory::AddRef() {
    return InterlockedIncrement(&references_);
}

STDMETHODIMP_(ULONG) CClassFactory::Release() {
    ULONG remaining = InterlockedDecrement(&references_);
    if (remaining == 0)
        delete this;
    return remaining;
}

STDMETHODIMP CClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    return create_(outer, iid, object);
}

STDMETHODIMP CClassFactory::LockServer(BOOL lock) {
    LockModule(lock != FALSE);
    return S_OK;
}

HRESULT GetModuleClassObject(REFCLSID classId, REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    for (const ClassEntry& entry : kClasses) {
        if (!IsEqualCLSID(classId, *entry.classId))
            continue;
        auto* factory = new (std::nothrow) CClassFactory(entry.create);
        if (!factory)
            return E_OUTOFMEMORY;
        HRESULT hr = factory->QueryInterface(iid, object);
        factory->Release();
        return hr;
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

} // namespace tandrel
