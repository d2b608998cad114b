#include "install/win32/TypeLibRegistration.h"

#include "common/win32/ComPtr.h"
#include "common/win32/Handles.h"

namespace tandrel {

namespace {

// The type library stored in the module.
HRESULT LoadModuleTypeLibrary(HMODULE module, std::wstring& path, ComPtr<ITypeLib>& library) {
    path = ModuleFileName(module);
    if (path.empty())
        return HRESULT_FROM_WIN32(GetLastError());
    return LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.Out());
}

} // namespace

HRESULT RegisterModuleTypeLibrary(HMODULE module) {
    std::wstring path;
    ComPtr<ITypeLib> library;
    HRESULT hr = LoadModuleTypeLibrary(module, path, library);
    if (FAILED(hr))
        return hr;
    return RegisterTypeLib(library.Get(), path.data(), nullptr);
}

HRESULT UnregisterModuleTypeLibrary(HMODULE module) {
    // Older systems lack the removal call; the registration then simply stays. The automation
    // library is loaded for as long as the module uses it, so its handle needs no release.
    using UnregisterFunction = HRESULT(WINAPI*)(REFGUID, WORD, WORD, LCID, SYSKIND);
    HMODULE automation = GetModuleHandleW(L"oleaut32.dll");
    auto unregister = automation ? reinterpret_cast<UnregisterFunction>(reinterpret_cast<void*>(
                                       GetProcAddress(automation, "UnRegisterTypeLib")))
                                 : nullptr;
    if (!unregister)
        return S_OK;
    // The registration is filed under the library's own identity and platform (win32 for the
    // 32-bit module, win64 for the 64-bit one): remove what registering it wrote.
    std::wstring path;
    ComPtr<ITypeLib> library;
    HRESULT hr = LoadModuleTypeLibrary(module, path, library);
    if (FAILED(hr))
        return hr;
    TLIBATTR* attributes = nullptr;
    hr = library->GetLibAttr(&attributes);
    if (FAILED(hr))
        return hr;
    const TLIBATTR identity = *attributes;
    library->ReleaseTLibAttr(attributes);
    return unregister(identity.guid, identity.wMajorVerNum, identity.wMinorVerNum, identity.lcid,
                      identity.syskind);
}

} // namespace tandrel
