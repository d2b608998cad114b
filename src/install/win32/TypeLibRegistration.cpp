#include "install/win32/TypeLibRegistration.h"

#include "com/win32/ModuleState.h"
#include "common/win32/ComPtr.h"
#include "common/win32/Handles.h"

#include "nubrix_h.h"

namespace tandrel {

HRESULT RegisterModuleTypeLibrary() {
    std::wstring path = ModuleFileName(ModuleHandle());
    if (path.empty())
        return HRESULT_FROM_WIN32(GetLastError());
    ComPtr<ITypeLib> library;
    HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.Out());
    if (FAILED(hr))
        return hr;
    return RegisterTypeLib(library.Get(), path.data(), nullptr);
}

HRESULT UnregisterModuleTypeLibrary() {
    // Older systems lack the removal call; the registration then simply stays. The automation
    // library is loaded for as long as the module uses it, so its handle needs no release.
    using UnregisterFunction = HRESULT(WINAPI*)(REFGUID, WORD, WORD, LCID, SYSKIND);
    HMODULE automation = GetModuleHandleW(L"oleaut32.dll");
    auto unregister = automation ? reinterpret_cast<UnregisterFunction>(reinterpret_cast<void*>(
                                       GetProcAddress(automation, "UnRegisterTypeLib")))
                                 : nullptr;
    if (!unregister)
        return S_OK;
    return unregister(LIBID_NUBRIXLib, 1, 0, 1033, SYS_WIN64);
}

} // namespace tandrel
