// The one class factory of the module, creating objects through a create function.
#pragma once

#include <unknwn.h>
#include <windows.h>

namespace tandrel {

using CreateFunction = HRESULT (*)(IUnknown* outer, REFIID iid, void** object);

class CClassFactory final : public IClassFactory {
public:
    explicit CClassFactory(CreateFunction create);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IClassFactory
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    ~CClassFactory();
    CreateFunction create_;
    LONG references_ = 1;
};

/// The class object of a registered class id, asked for iid.
HRESULT GetModuleClassObject(REFCLSID classId, REFIID iid, void** object);

} // namespace tandrel
