// State of the loaded module: its handle, the counts that decide whether it may unload, its
// platform, and the type information that serves IDispatch.
#pragma once

#include <oaidl.h>
#include <windows.h>

namespace tandrel {

/// Remembers the module handle and installs the Win32 platform for it.
void InitializeModule(HMODULE module);

/// Releases what the module kept (the type information).
void ShutdownModule();

HMODULE ModuleHandle();

/// Objects alive and server locks held; the module may unload when both are zero.
void ObjectCreated();
void ObjectDestroyed();
void LockModule(bool lock);
bool ModuleCanUnload();

/// The type information of the scriptable interface, loaded from the registered type library on
/// first use and kept for the life of the module. The caller gets its own reference.
HRESULT GetScriptableTypeInfo(ITypeInfo** typeInfo);

} // namespace tandrel
