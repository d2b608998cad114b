// The sections of one prefix in a link configuration text, read in one pass over its lines
// (ConfigLines.h gives the grammar). A head belongs to the prefix when its first bytes equal the
// prefix without regard to ASCII letter case. Key lines before the first head, or under a head of
// another prefix, are dropped; keys are stored lowered, and a key given twice keeps its last
// value. Nothing is reported: a line the grammar does not know is skipped.
#pragma once

#include "config/ConfigSection.h"

#include <string_view>

namespace tandrel {

/// Appends the sections of the prefix found in text to list, in text order.
void ParseConfigText(CSectionList& list, std::string_view text, std::string_view prefix);

} // namespace tandrel
