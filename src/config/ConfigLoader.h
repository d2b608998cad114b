// Where the sections of a prefix come from: the configuration file beside the module, or one of
// the two texts stored in the module.
#pragma once

#include "config/ConfigSection.h"
#include "config/ParsedTexts.h"

#include <memory>
#include <string_view>

namespace tandrel {

/// Resource type of the stored configuration texts.
constexpr std::string_view kStoredTextType = "FILE";
/// The stored default link configuration (links and units), used for every prefix the file
/// does not define.
constexpr int kDefaultLinksTextId = 206;
/// The stored system entries, the only source of the "SYSTEM:" prefix.
constexpr int kSystemLinksTextId = 232;

/// The prefix of the system entries (help pages, home page).
constexpr std::string_view kSystemPrefix = "SYSTEM:";

/// True for the prefix of the system entries, in any ASCII letter case.
bool IsSystemPrefix(std::string_view prefix);

/// Fills list with the sections of the prefix. With systemOnly, from stored text 232 alone.
/// Otherwise from the configuration file (ConfigFilePath) when it can be read and holds at least
/// one section of the prefix, else from stored text 206. Failures are silent: an empty list
/// means no source had a section of the prefix.
void LoadSections(CSectionList& list, std::string_view prefix, bool systemOnly);

/// The sections LoadSections gives, shared and read-only with the entries made from them: a text
/// read before is not parsed again (ParsedPrefixOf).
std::shared_ptr<const CParsedPrefix> LoadParsedPrefix(std::string_view prefix, bool systemOnly);

} // namespace tandrel
