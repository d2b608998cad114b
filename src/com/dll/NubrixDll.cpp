// The module's entry points: the platform's loader and its component registration call these.
#include "com/win32/ClassFactory.h"
#include "com/win32/ModuleState.h"
#include "install/ClassRegistration.h"
#include "install/MenuRegistration.h"
#include "install/win32/TypeLibRegistration.h"

#include <windows.h>

using namespace tandrel;

// Runs under the loader lock: record the handle and nothing more.
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        SetModuleHandle(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, void** object) {
    EnsureModulePlatform();
    return GetModuleClassObject(classId, iid, object);
}

STDAPI DllCanUnloadNow() {
    if (!ModuleCanUnload())
        return S_FALSE;
    // COM unloads the module after this answer, outside the loader lock: the last chance to let
    // go of what it keeps.
    ReleaseModuleCaches();
    return S_OK;
}

STDAPI DllRegisterServer() {
    EnsureModulePlatform();
    HRESULT hr = RegisterClassKeys();
    if (SUCCEEDED(hr))
        hr = RegisterModuleTypeLibrary(ModuleHandle());
    if (FAILED(hr))
        return hr;
    RegisterMenus(true);
    return hr;
}

// "regsvr32 /n /i nubrix.dll" (and with /u): the menu entries of the user who runs it, and
// nothing that needs an administrator, for a user whose entries are missing on a computer
// where someone else registered the module.
STDAPI DllInstall(BOOL install, PCWSTR) {
    EnsureModulePlatform();
    RegisterUserMenus(install != FALSE);
    return S_OK;
}

STDAPI DllUnregisterServer() {
    EnsureModulePlatform();
    RegisterMenus(false);
    HRESULT hr = UnregisterClassKeys();
    UnregisterModuleTypeLibrary(ModuleHandle());
    return hr;
}
