#include "config/SelectionMemory.h"

#include "common/Platform.h"
#include "common/TextConversion.h"

#include <string>

namespace tandrel {

namespace {

constexpr std::size_t kChoiceBytes = 4;

// The registry's value names end at a NUL: such a name would stand for another entry's.
bool CanNameAChoice(std::string_view sectionName) {
    return sectionName.find('\0') == std::string_view::npos;
}

} // namespace

std::optional<bool> ReadRememberedChoice(std::string_view sectionName) {
    if (!CanNameAChoice(sectionName))
        return std::nullopt;
    std::unique_ptr<IRegKey> key = CurrentPlatform().registry->OpenKey(
        RegRoot::CurrentUser, kSelectionKeyPath, RegAccess::Read);
    if (!key)
        return std::nullopt;
    std::optional<std::string> data = key->QueryValue(AnsiToWide(sectionName), kChoiceBytes);
    if (!data)
        return std::nullopt;
    return DwordFromBytes(*data) != 0;
}

bool RememberChoice(std::string_view sectionName, bool selected) {
    if (!CanNameAChoice(sectionName))
        return false;
    std::unique_ptr<IRegKey> key =
        CurrentPlatform().registry->CreateKey(RegRoot::CurrentUser, kSelectionKeyPath);
    return key && key->SetDword(AnsiToWide(sectionName), selected ? 1 : 0);
}

} // namespace tandrel
