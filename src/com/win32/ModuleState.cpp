#include "com/win32/ModuleState.h"

#include "common/win32/ComPtr.h"
#include "common/win32/Win32Platform.h"
#include "config/ParsedTexts.h"
#include "dialogs/win32/Win32Dialogs.h"

#include "nubrix_h.h"

#include <new>

namespace tandrel {

namespace {

// The type library is looked up by its id and version 1.0 in the locale it was built for.
constexpr WORD kLibraryMajor = 1;
constexpr WORD kLibraryMinor = 0;
constexpr LCID kLibraryLocale = 1033;

HMODULE moduleHandle = nullptr;
LONG liveObjects = 0;
LONG serverLocks = 0;

INIT_ONCE platformOnce = INIT_ONCE_STATIC_INIT;

// Apartment-model objects of several apartments may ask at the same time.
SRWLOCK typeInfoLock = SRWLOCK_INIT;
// Made on first use and never destroyed, so that no destructor releases it while the loader
// runs the module's unload; ReleaseModuleCaches empties it when COM asks whether the module may go.
ComPtr<ITypeInfo>* cachedTypeInfo = nullptr;

class CExclusiveLock {
public:
    explicit CExclusiveLock(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
    ~CExclusiveLock() { ReleaseSRWLockExclusive(&lock_); }
    CExclusiveLock(const CExclusiveLock&) = delete;
    CExclusiveLock& operator=(const CExclusiveLock&) = delete;

private:
    SRWLOCK& lock_;
};

BOOL CALLBACK InstallPlatform(PINIT_ONCE, PVOID, PVOID*) {
    // Live as long as the process: they hold no handles, so nothing is lost by never destroying
    // them, and nothing runs at unload.
    static CWin32Platform* platform = new CWin32Platform(moduleHandle);
    static CWin32Dialogs* dialogs = new CWin32Dialogs(moduleHandle);
    static ScopedDialogHost* installed = new ScopedDialogHost(*dialogs);
    CurrentPlatform() = platform->View();
    (void)installed;
    return TRUE;
}

HRESULT LoadScriptableTypeInfo(ComPtr<ITypeInfo>& typeInfo) {
    ComPtr<ITypeLib> library;
    HRESULT hr = LoadRegTypeLib(LIBID_NUBRIXLib, kLibraryMajor, kLibraryMinor, kLibraryLocale,
                                library.Out());
    if (FAILED(hr))
        return hr;
    return library->GetTypeInfoOfGuid(IID_IATandrel, typeInfo.Out());
}

} // namespace

void SetModuleHandle(HMODULE module) {
    moduleHandle = module;
}

HMODULE ModuleHandle() {
    return moduleHandle;
}

void EnsureModulePlatform() {
    InitOnceExecuteOnce(&platformOnce, InstallPlatform, nullptr, nullptr);
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

void ReleaseModuleCaches() {
    ForgetParsedTexts();
    CExclusiveLock hold(typeInfoLock);
    if (cachedTypeInfo)
        cachedTypeInfo->Reset();
}

HRESULT GetScriptableTypeInfo(ITypeInfo** typeInfo) {
    *typeInfo = nullptr;
    CExclusiveLock hold(typeInfoLock);
    if (!cachedTypeInfo)
        cachedTypeInfo = new (std::nothrow) ComPtr<ITypeInfo>();
    if (!cachedTypeInfo)
        return E_OUTOFMEMORY;
    if (!*cachedTypeInfo) {
        HRESULT hr = LoadScriptableTypeInfo(*cachedTypeInfo);
        if (FAILED(hr))
            return hr;
    }
    (*cachedTypeInfo)->AddRef();
    *typeInfo = cachedTypeInfo->Get();
    return S_OK;
}

} // namespace tandrel
