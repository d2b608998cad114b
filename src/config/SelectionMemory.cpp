#include "config/SelectionMemory.h"

#include "common/Platform.h"

#include <string>

namespace tandrel {

namespace {

constexpr std::size_t kChoiceBytes = 4;

std::uint32_t LittleEndianNumber(std::string_view bytes) {
    std::uint32_t number = 0;
    for (std::size_t i = bytes.size(); i-- > 0;)
        number = (number << 8) | static_cast<unsigned char>(bytes[i]);
    return number;
}

std::string LittleEndianBytes(std::uint32_t number) {
    std::string bytes(kChoiceBytes, '\0');
    for (std::size_t i = 0; i < kChoiceBytes; ++i)
        bytes[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    return bytes;
}

} // namespace

std::optional<bool> ReadRememberedChoice(std::string_view sectionName) {
    std::unique_ptr<IRegKey> key =
        CurrentPlatform().registry->OpenKey(RegRoot::CurrentUser, kSelectionKeyPath);
    if (!key)
        return std::nullopt;
    std::optional<std::string> data = key->QueryValue(sectionName, kChoiceBytes);
    if (!data)
        return std::nullopt;
    return LittleEndianNumber(*data) != 0;
}

void RememberChoice(std::string_view sectionName, bool selected) {
    std::unique_ptr<IRegKey> key =
        CurrentPlatform().registry->CreateKey(RegRoot::CurrentUser, kSelectionKeyPath);
    if (key)
        key->SetValue(sectionName, kRegDword, LittleEndianBytes(selected ? 1 : 0));
}

} // namespace tandrel
