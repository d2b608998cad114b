// Registration of the scriptable class under HKEY_CLASSES_ROOT: its ProgIDs and its class key.
#pragma once

#include "common/Status.h"

#include <optional>
#include <string>
#include <vector>

namespace tandrel {

/// One key, and optionally one value in it, that class registration writes.
struct RegistrationRow {
    std::u16string key;                 ///< below HKEY_CLASSES_ROOT
    std::u16string valueName;           ///< empty: the key's default value
    std::optional<std::u16string> data; ///< none: the key alone, no value
};

/// The keys and values of the class registration, parents before children, for a module path.
std::vector<RegistrationRow> ClassRegistrationRows(const std::u16string& modulePath);

/// Writes the class registration; the class key is replaced whole. Fails when a key cannot be
/// created or a value cannot be written.
HResult RegisterClassKeys();

/// Removes what RegisterClassKeys wrote: values and keys, children before parents, and the
/// class key whole; CLSID itself stays. Keys already gone count as removed, and so does a key
/// that stays because it holds keys of someone else's. Fails when the class key or a key with
/// nothing of ours below it could not be removed (the user may not change keys an administrator
/// wrote), after removing everything it could.
HResult UnregisterClassKeys();

} // namespace tandrel
