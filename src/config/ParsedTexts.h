// Parsed configuration texts kept between commands. Every command reads the configuration file
// again, since the user may have changed it, but the text is nearly always the one read last
// time: the sections of a prefix are parsed once for each text and shared, read-only, by every
// command that asks for them while that text is among the last few read.
#pragma once

#include "config/ConfigSection.h"
#include "config/Link.h"

#include <memory>
#include <string_view>
#include <vector>

namespace tandrel {

/// The sections of one prefix of one text, and the link entries made from them.
class CParsedPrefix {
public:
    /// Parses the sections of the prefix in text (ParseConfigText).
    CParsedPrefix(std::string_view text, std::string_view prefix);

    const std::string& Prefix() const { return prefix_; }
    const CSectionList& Sections() const { return sections_; }
    /// One entry per section, filled by LoadKeysFromSection (the remembered choices are the
    /// caller's to read); made on first use.
    const std::vector<CLink>& Links() const;

private:
    std::string prefix_;
    CSectionList sections_;
    mutable std::unique_ptr<const std::vector<CLink>> links_;
};

/// The parsed prefix of text, parsed only when this text and prefix are not kept from before.
/// The texts kept are the last three read (the file and the two stored texts, in the common case),
/// with every prefix asked of them. Safe to call from several threads at once.
std::shared_ptr<const CParsedPrefix> ParsedPrefixOf(std::string_view text, std::string_view prefix);

/// Lets every text kept go, for a module about to be unloaded.
void ForgetParsedTexts();

/// True when the two texts hold the same bytes. Compares eight bytes at a time, since the
/// library's comparison goes byte by byte in some builds and a configuration text is long.
bool SameBytes(std::string_view first, std::string_view second);

} // namespace tandrel
