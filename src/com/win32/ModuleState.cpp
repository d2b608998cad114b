#include "com/win32/ModuleState.h"

#include "common/win32/Win32Platform.h"

#include "nubrix_h.h"

#include <memory>

namespace tandrel {

namespace {

// The type library is looked up by its id and version 1.0 in the locale it was built for.
constexpr WORD kLibraryMajor = 1;
constexpr WORD kLibraryMinor = 0;
constexpr LCID kLibraryLocale = 1033;

HMODULE moduleHandle = nullptr;
LONG liveObjects = 0;
LONG serverLocks = 0;
ITypeInfo* cachedTypeInfo = nullptr;
std::unique_ptr<CWin32Platform> platform;

} // namespace

void InitializeModule(HMODULE module) {
    moduleHandle = module;
    platform = std::make_unique<CWin32Platform>(module);
    CurrentPlatform() = platform->View();
}

void ShutdownModule() {
    if (cachedTypeInfo) {
        cachedTypeInfo->Release();
        cachedTypeInfo = nullptr;
    }
}

HMODULE ModuleHandle() {
    return moduleHandle;
}

void ObjectCreated() {
    InterlockedIncrement(&liveObjects);
}
void ObjectDestroyed() {
    InterlockedDecrement(&liveObjects);
}

void LockModule(bool lock) {
    if (lock)
        InterlockedIncrement(&serverLocks);
    else
        InterlockedDecrement(&serverLocks);
}

bool ModuleCanUnload() {
    return liveObjects == 0 && serverLocks == 0;
}

HRESULT GetScriptableTypeInfo(ITypeInfo** typeInfo) {
    *typeInfo = nullptr;
    if (!cachedTypeInfo) {
        ITypeLib* library = nullptr;
        HRESULT hr =
            LoadRegTypeLib(LIBID_NUBRIXLib, kLibraryMajor, kLibraryMinor, kLibraryLocale, &library);
        if (FAILED(hr))
            return hr;
        hr = library->GetTypeInfoOfGuid(IID_IATandrel, &cachedTypeInfo);
        library->Release();
        if (FAILED(hr))
            return hr;
    }
    cachedTypeInfo->AddRef();
    *typeInfo = cachedTypeInfo;
    return S_OK;
}

} // namespace tandrel
