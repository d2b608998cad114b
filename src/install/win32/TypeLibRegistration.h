// Registration of the type library stored in the module.
#pragma once

#include <windows.h>

namespace tandrel {

/// Registers the type library of the module (resource TYPELIB 1).
HRESULT RegisterModuleTypeLibrary(HMODULE module);

/// Removes the type library registration of the module, when the platform offers that.
HRESULT UnregisterModuleTypeLibrary(HMODULE module);

} // namespace tandrel
