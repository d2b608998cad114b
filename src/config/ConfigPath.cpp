#include "config/ConfigPath.h"

#include "common/Platform.h"

namespace tandrel {

std::u16string ConfigFilePathFor(std::u16string_view modulePath) {
    // Only a dot in the file's own name starts its extension; one in a folder's name
    // ("C:\My.Folder\nubrix") must not cut the path there.
    std::size_t folderEnd = modulePath.find_last_of(u"\\/");
    std::size_t nameStart = folderEnd == std::u16string_view::npos ? 0 : folderEnd + 1;
    std::size_t dot = modulePath.rfind(u'.');
    if (dot == std::u16string_view::npos || dot < nameStart)
        dot = modulePath.size();
    return std::u16string(modulePath.substr(0, dot)) + u".ini";
}

std::u16string ConfigFilePath() {
    return ConfigFilePathFor(CurrentPlatform().module->ModulePath());
}

} // namespace tandrel
