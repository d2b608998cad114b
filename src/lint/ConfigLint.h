// A careful reader of a link configuration text: it reads the text exactly as ParseConfigText
// does, keeping line numbers, and says where the reader will do something other than what the
// writer most likely meant. Loading itself never reports anything, so this is the only place
// where a mistyped key, a head without its "]" or a flag written "on" comes to light.
//
// What is reported (every finding says what the reader will actually do):
//   - the text: a byte-order mark (UTF-8: the first line's bytes change, and a head there is
//     lost; UTF-16: nothing at all is read);
//   - lines: a key line before the first head (dropped), a line with neither head nor "="
//     (ignored), a line that starts with "=" (no key), a head without "]" (named by the rest of
//     its line), words after the "]" of a head (ignored; a "#" or ";" comment there is not
//     reported, since ignoring it is what its writer wants);
//   - sections: a prefix the system does not know, "SYSTEM:" sections in the link configuration
//     (read only from the module) and other sections in the system links, two heads with the same
//     name (two entries sharing one remembered choice, or two independent sets of units), link
//     sections differing only in letter case (one remembered choice), a link entry with no url,
//     href, command or mail value (it does nothing), an entry with both href and url (url is
//     never opened), a unit section without category (ignored whole) or without any power line;
//   - keys: a key nothing reads (with a suggestion when a known key is close), a key with a blank
//     before the "=" (the blank stays in the key), a key given twice in one section (the last
//     value wins), "titleBar" (no key sets it);
//   - values: a flag whose first byte is none of "0FfNn1TtYy" (the default stays), an empty
//     windowName (the default "_blank" stays), a window dimension that is neither a number nor a
//     number and "%", an `a` or `b` that holds no number or has text after it, a category with
//     blanks around it (a category of its own), a power key not in the form ten-18 ... ten+18,
//     a power line whose first alias is blank (no unit), an alias that begins with a blank (never
//     recognised after an amount), and a macro in href (href is never expanded).
//
// The checker reads the lines of the configuration's one line reader (config/ConfigLines.h), knows
// the system's prefixes and keys from the command and link-field tables (LintVocabulary.h) and
// judges single values with the checks of LintValues.h. It takes time linear in the text, and
// memory for the names of its sections and for what it reports. The findings' texts are the
// string table's (strings.inc, kLint...), read through the current platform as every message of
// the system is, so that the tool, the module and the extension word them alike: a platform must
// be installed while the checker runs.
//
// The stored default link configuration carries these findings on purpose (it keeps the layout
// of the configuration it replaces): the "URLEncode=n" lines of OTHER:Ping and OTHER:TraceRoute
// (an unread key, so those commands run URL-encoded), the head "[UNIT:SimpleYear" without its
// "]", and the second heads of "BOOK:AlibrisCom", "BOOK:BnCom1" and "UNIT:Minute". The stored
// system links have no finding.
#pragma once

#include "lint/LintVocabulary.h"

#include <string>
#include <string_view>
#include <vector>

namespace tandrel {

/// One thing a careful reader would point out: the 1-based line and what happens there. The
/// message is configuration bytes (Windows-1252), since it quotes names and values.
struct LintFinding {
    std::size_t line = 0;
    std::string message;
};

/// Which text is checked: the link configuration (the file beside the module, or the stored
/// default), from which "SYSTEM:" sections are never read, or the stored system links, from
/// which only "SYSTEM:" sections are read.
enum class LintedText { LinkConfiguration, SystemLinks };

/// Everything the careful reader would point out in text, sorted by line (findings of one line
/// in the order they were found).
std::vector<LintFinding> LintConfigText(std::string_view text,
                                        LintedText kind = LintedText::LinkConfiguration);

} // namespace tandrel
