// The remembered choices: per user, one registry value per entry, named by its section name.
#pragma once

#include <optional>
#include <string_view>

namespace tandrel {

/// The key under the current user's root that holds one value per saved entry.
constexpr std::u16string_view kSelectionKeyPath = u"Software\\KVO\\Tandrel";

/// The choice remembered for the section name, or none when there is no key, no value, or a
/// value longer than 4 bytes. The key is opened for reading only, so choices still read where it
/// may not be changed. The value is read as a number of up to 4 bytes whatever its type; a
/// shorter one is taken zero-extended, little-endian, so a REG_SZ "1" (or "0": its byte is not
/// zero either) reads as ticked and an empty value as unticked. The key is never created here.
/// A section name holding a NUL has no choice: the registry would end its name there.
std::optional<bool> ReadRememberedChoice(std::string_view sectionName);

/// Stores the choice as a REG_DWORD 1 or 0 under the section name, creating the key when needed.
/// False when it could not be stored (or the name holds a NUL); what was stored before then stays
/// as it was.
bool RememberChoice(std::string_view sectionName, bool selected);

} // namespace tandrel
