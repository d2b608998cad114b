// State of the loaded module: its handle, the counts that decide whether it may unload, its
// platform, and the type information that serves IDispatch. The loader lock is held while
// DllMain runs, so DllMain only records the handle; everything else is made on first use, once,
// whichever thread of whichever apartment comes first, and nothing is released under that lock.
#pragma once

#include <oaidl.h>
#include <windows.h>

namespace tandrel {

/// Remembers the module handle. The only thing DllMain does.
void SetModuleHandle(HMODULE module);

HMODULE ModuleHandle();

/// Installs the Win32 platform of the module as the process's platform, once; every entry point
/// that runs the system's code calls this first.
void EnsureModulePlatform();

/// Objects alive and server locks held; the module may unload when both are zero.
void ObjectCreated();
void ObjectDestroyed();
void LockModule(bool lock);
bool ModuleCanUnload();

/// Drops what the module keeps between calls (the type information, the parsed configuration
/// texts), when it is about to be unloaded; it is made again if it is needed after all.
void ReleaseModuleCaches();

/// The type information of the scriptable interface, loaded from the registered type library on
/// first use and kept until the module may unload. The caller gets its own reference.
HRESULT GetScriptableTypeInfo(ITypeInfo** typeInfo);

} // namespace tandrel
