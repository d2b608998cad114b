#include "install/win32/TypeLibRegistration.h"

#include "com/win32/ModuleState.h"

#include "nubrix_h.h"

namespace tandrel {

HRESULT RegisterModuleTypeLibrary() {
    wchar_t path[MAX_PATH + 1] = {};
    GetModuleFileNameW(ModuleHandle(), path, MAX_PATH);
    ITypeLib* library = nullptr;
    HRESULT hr = LoadTypeLibEx(path, REGKIND_NONE, &library);
    if (FAILED(hr))
        return hr;
    hr = RegisterTypeLib(library, path, nullptr);
    library->Release();
    return hr;
}

HRESULT UnregisterModuleTypeLibrary() {
    // Older systems lack the removal call; the registration then simply stays.
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
