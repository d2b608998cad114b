#include "common/Platform.h"

namespace tandrel {

bool IRegKey::SetString(std::u16string_view name, std::u16string_view text) {
    std::string data;
    data.reserve(2 * (text.size() + 1));
    for (char16_t unit : text) {
        data += static_cast<char>(unit & 0xFF);
        data += static_cast<char>(unit >> 8);
    }
    data.append(2, '\0');
    return SetValue(name, kRegSz, data);
}

std::string CommandInterpreter(IProcesses& processes) {
    return processes.EnvironmentVariable("COMSPEC").value_or("COMMAND.COM");
}

std::u16string TextOfRegString(std::string_view data) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
        char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(data[i]) |
                                              static_cast<unsigned char>(data[i + 1]) << 8);
        if (unit == 0)
            break;
        text += unit;
    }
    return text;
}

bool IRegKey::SetDword(std::u16string_view name, std::uint32_t value) {
    std::string data(4, '\0');
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return SetValue(name, kRegDword, data);
}

std::uint32_t DwordFromBytes(std::string_view bytes) {
    std::uint32_t number = 0;
    for (std::size_t i = bytes.size() < 4 ? bytes.size() : 4; i-- > 0;)
        number = (number << 8) | static_cast<unsigned char>(bytes[i]);
    return number;
}

Platform& CurrentPlatform() {
    static Platform current;
    return current;
}

ScopedPlatform::ScopedPlatform(const Platform& platform) : previous_(CurrentPlatform()) {
    CurrentPlatform() = platform;
}

ScopedPlatform::~ScopedPlatform() {
    CurrentPlatform() = previous_;
}

} // namespace tandrel
