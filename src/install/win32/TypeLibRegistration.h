// Registration of the type library stored in the module.
#pragma once

#include <windows.h>

namespace tandrel {

/// Registers the module's type library (resource TYPELIB 1).
HRESULT RegisterModuleTypeLibrary();

/// Removes the type library registration, when the platform offers that.
HRESULT UnregisterModuleTypeLibrary();

} // namespace tandrel
