// The grammar of the link configuration text, read in one pass without backtracking.
//
// The text is bytes (Windows-1252 in practice; no byte-order mark is recognised, no conversion is
// made). Lines end in CR LF, LF or CR alone. Tabs, spaces, CR and LF at a line start are skipped,
// so every line kind may be indented; no other byte counts as blank there.
//   - "#" or ";" first: a comment; the whole line is ignored (no comments after content).
//   - "[" first: a section head. The name is every byte up to the first "]", CR or LF, kept
//     verbatim; the rest of the line after "]" is ignored; a head without "]" takes the rest of
//     its line as the name.
//   - anything else: a key line when it has an "=": the key is every byte from the line's first
//     byte up to the next "=" (a line that starts with "=" keeps that "=" in its key), the value
//     every byte after it to the line end. Neither is trimmed. Keys are stored lowered; a key
//     given twice keeps its last value. A line with no "=" is ignored.
// A head belongs to the prefix when its first bytes equal the prefix without regard to ASCII
// letter case. Key lines before the first head, or under a head of another prefix, are dropped.
#pragma once

#include "config/ConfigSection.h"

#include <string_view>

namespace tandrel {

/// Appends the sections of the prefix found in text to list, in text order.
void ParseConfigText(CSectionList& list, std::string_view text, std::string_view prefix);

} // namespace tandrel
