#include "config/ConfigPath.h"

#include "common/Platform.h"

namespace tandrel {

std::string ConfigFilePathFor(std::string_view modulePath) {
    std::size_t dot = modulePath.rfind('.');
    std::string path(modulePath.substr(0, dot));
    return path + ".ini";
}

std::string ConfigFilePath() {
    return ConfigFilePathFor(CurrentPlatform().module->ModulePath());
}

} // namespace tandrel
