#include "ImportHooks.h"

#include <cstring>

namespace tandrel::standin {

namespace {

bool Patch(void** slot, void* value) {
    DWORD oldProtection = 0;
    if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &oldProtection))
        return false;
    *slot = value;
    VirtualProtect(slot, sizeof *slot, oldProtection, &oldProtection);
    FlushInstructionCache(GetCurrentProcess(), slot, sizeof *slot);
    return true;
}

} // namespace

int HookImports(HMODULE module, const ImportHook* hooks, std::size_t count) {
    auto* base = reinterpret_cast<BYTE*>(module);
    if (!base)
        return 0;
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE)
        return 0;
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE)
        return 0;
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.VirtualAddress == 0)
        return 0;
    int changed = 0;
    for (auto* descriptor =
             reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         descriptor->Name != 0; ++descriptor) {
        // Without the lookup table the names are gone once the loader has bound the entries.
        if (descriptor->OriginalFirstThunk == 0)
            continue;
        const char* dll = reinterpret_cast<const char*>(base + descriptor->Name);
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            const char* function = reinterpret_cast<const char*>(byName->Name);
            for (std::size_t i = 0; i < count; ++i) {
                const ImportHook& hook = hooks[i];
                if (_stricmp(dll, hook.dll) != 0 || std::strcmp(function, hook.function) != 0)
                    continue;
                auto** slot = reinterpret_cast<void**>(&slots->u1.Function);
                if (*slot == hook.replacement)
                    break;
                void* before = *slot;
                if (Patch(slot, hook.replacement)) {
                    if (hook.original)
                        *hook.original = before;
                    ++changed;
                }
                break;
            }
        }
    }
    return changed;
}

} // namespace tandrel::standin
