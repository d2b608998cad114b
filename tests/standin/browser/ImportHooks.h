// Redirecting one module's calls into system DLLs: the module's import address table entries for
// given functions are pointed at replacements, so that this module alone calls the replacement,
// which can forward to what the entry held before.
#pragma once

#include <windows.h>

#include <cstddef>

namespace tandrel::standin {

struct ImportHook {
    const char* dll;      ///< the DLL imported from, "kernel32.dll" (compared without case)
    const char* function; ///< the function, imported by this name
    void* replacement;
    void** original; ///< receives what the entry held before it was changed; may be null
};

/// Points every entry of the module's import table that imports one of `hooks` by name at its
/// replacement; functions the module does not import are skipped. An entry that already holds
/// its replacement is left as it is (and `original` untouched), so hooking twice is harmless.
/// Returns the number of entries changed.
int HookImports(HMODULE module, const ImportHook* hooks, std::size_t count);

} // namespace tandrel::standin
