// The module's entry points: the platform's loader and its component registration call these.
#include "com/win32/ClassFactory.h"
#include "com/win32/ModuleState.h"
#include "install/ClassRegistration.h"
#include "install/MenuRegistration.h"
#include "install/win32/TypeLibRegistration.h"

#include <windows.h>

using namespace tandrel;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        InitializeModule(instance);
    } else if (reason == DLL_PROCESS_DETACH) {
        ShutdownModule();
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, void** object) {
    return GetModuleClassObject(classId, iid, object);
}

STDAPI DllCanUnloadNow() {
    return ModuleCanUnload() ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer() {
    HRESULT hr = RegisterClassKeys();
    if (SUCCEEDED(hr))
        hr = RegisterModuleTypeLibrary();
    if (FAILED(hr))
        return hr;
    RegisterMenus(true);
    return hr;
}

STDAPI DllUnregisterServer() {
    RegisterMenus(false);
    HRESULT hr = UnregisterClassKeys();
    UnregisterModuleTypeLibrary();
    return hr;
}
