#include "config/ConfigLoader.h"

#include "common/Platform.h"
#include "common/TextConversion.h"
#include "config/ConfigParser.h"
#include "config/ConfigPath.h"

namespace tandrel {

namespace {

// True when the file could be read and gave at least one section of the prefix. A missing,
// locked or unreadable file is no error worth telling anyone: the stored default stands in.
bool ParseConfigFile(CSectionList& list, std::string_view prefix) {
    FileReadResult file = CurrentPlatform().files->ReadWholeFile(ConfigFilePath());
    if (!file.opened)
        return false;
    std::size_t before = list.size();
    ParseConfigText(list, file.bytes, prefix);
    return list.size() > before;
}

} // namespace

bool IsSystemPrefix(std::string_view prefix) {
    return EqualsIgnoreAsciiCase(prefix, kSystemPrefix);
}

void ParseStoredText(CSectionList& list, int textId, std::string_view prefix) {
    std::optional<std::string_view> text =
        CurrentPlatform().module->FindModuleResource(kStoredTextType, textId);
    if (text)
        ParseConfigText(list, *text, prefix);
}

void LoadSections(CSectionList& list, std::string_view prefix, bool systemOnly) {
    if (systemOnly) {
        ParseStoredText(list, kSystemLinksTextId, prefix);
        return;
    }
    if (ParseConfigFile(list, prefix))
        return;
    ParseStoredText(list, kDefaultLinksTextId, prefix);
}

} // namespace tandrel
