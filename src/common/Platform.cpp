#include "common/Platform.h"

namespace tandrel {

bool IRegKey::SetString(std::string_view name, std::string_view text) {
    std::string data(text);
    data += '\0';
    return SetValue(name, kRegSz, data);
}

bool IRegKey::SetDword(std::string_view name, std::uint32_t value) {
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
