#include "config/ConfigLoader.h"

#include "common/Platform.h"
#include "common/TextConversion.h"
#include "config/ConfigPath.h"

namespace tandrel {

namespace {

// The sections of the prefix in the stored text of that id; none when the module does not carry
// it.
std::shared_ptr<const CParsedPrefix> StoredPrefix(int textId, std::string_view prefix) {
    std::optional<std::string_view> text =
        CurrentPlatform().module->FindModuleResource(kStoredTextType, textId);
    return ParsedPrefixOf(text.value_or(std::string_view()), prefix);
}

} // namespace

bool IsSystemPrefix(std::string_view prefix) {
    return EqualsIgnoreAsciiCase(prefix, kSystemPrefix);
}

std::shared_ptr<const CParsedPrefix> LoadParsedPrefix(std::string_view prefix, bool systemOnly) {
    if (systemOnly)
        return StoredPrefix(kSystemLinksTextId, prefix);
    // A missing, locked or unreadable file is no error worth telling anyone, nor one without a
    // section of the prefix: the stored default stands in.
    FileReadResult file = CurrentPlatform().files->ReadWholeFile(ConfigFilePath());
    if (file.opened) {
        std::shared_ptr<const CParsedPrefix> parsed = ParsedPrefixOf(file.bytes, prefix);
        if (!parsed->Sections().empty())
            return parsed;
    }
    return StoredPrefix(kDefaultLinksTextId, prefix);
}

void LoadSections(CSectionList& list, std::string_view prefix, bool systemOnly) {
    list.Append(LoadParsedPrefix(prefix, systemOnly)->Sections());
}

} // namespace tandrel
