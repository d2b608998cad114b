#include "config/SelectionMemory.h"

#include "common/Platform.h"
#include "common/TextConversion.h"

#include <string>

namespace tandrel {

namespace {

constexpr std::size_t kChoiceBytes = 4;

} // namespace

std::optional<bool> ReadRememberedChoice(std::string_view sectionName) {
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
    std::unique_ptr<IRegKey> key =
        CurrentPlatform().registry->CreateKey(RegRoot::CurrentUser, kSelectionKeyPath);
    return key && key->SetDword(AnsiToWide(sectionName), selected ? 1 : 0);
}

} // namespace tandrel
