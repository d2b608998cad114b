#include "config/ConfigPath.h"

#include "common/Platform.h"

namespace tandrel {

std::u16string ConfigFilePathFor(std::u16string_view modulePath) {
    std::size_t dot = modulePath.rfind(u'.');
    return std::u16string(modulePath.substr(0, dot)) + u".ini";
}

std::u16string ConfigFilePath() {
    return ConfigFilePathFor(CurrentPlatform().module->ModulePath());
}

} // namespace tandrel
