// What the configuration checker knows of the reader: the prefixes it reads (from the command
// table), the keys of link entries (from the link-field table), the keys of unit sections, the
// name a misspelt one was most likely meant to be, and the few text helpers every check shares
// to quote what it finds.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandrel {

/// The prefix of the unit sections of the link configuration.
constexpr std::string_view kUnitPrefix = "UNIT:";
/// The powers of ten a unit section reads, from "ten-18" to "ten+18".
constexpr int kLowestPower = -18;
constexpr int kHighestPower = 18;

// ---- prefixes and keys

/// The prefixes of the link entries the commands list, in command-table order.
const std::vector<std::string_view>& LinkPrefixesRead();

/// Every prefix read from the link configuration, as a finding lists them ("BOOK:, ..., UNIT:").
const std::string& ReadPrefixesText();

/// The power of a key written like a power key ("ten", in any letter case, and a signed or
/// unsigned whole number), whatever its form, so "ten03" gives 3; none for any other key.
/// Saturates at 1000 far outside the range.
std::optional<int> PowerOfKey(std::string_view key);

/// The key the units table reads for a power: its sign always written, no leading zeros
/// ("ten+3", "ten-18").
std::string PowerKeyName(int power);

/// True for a key the units table reads: the PowerKeyName of a power from kLowestPower to
/// kHighestPower, ASCII letter case aside.
bool IsReadPowerKey(std::string_view key);

// ---- names

/// The edits (insertion, deletion, substitution, swap of neighbours) that turn a into b, when
/// there are at most limit of them; none when there are more.
std::optional<std::size_t> EditDistanceWithin(std::string_view a, std::string_view b,
                                              std::size_t limit);

/// The name closest to written (compared lowered), when it is close enough to be a slip of the
/// keyboard: at most two edits, and no more than a third of the name. The first of equally close
/// names wins. Costs time in the length of the names only, however long written is.
std::optional<std::string_view> ClosestName(std::string_view written,
                                            const std::vector<std::string_view>& names);

// ---- text the checks share

/// True for a space or a tab, the blanks the reader keeps around keys and values.
bool IsBlank(char c);

/// text without its leading spaces and tabs.
std::string_view TrimLeadingBlanks(std::string_view text);

/// text without its trailing spaces and tabs.
std::string_view TrimTrailingBlanks(std::string_view text);

/// True when text begins with prefix, ASCII letter case aside.
bool StartsWithIgnoreAsciiCase(std::string_view text, std::string_view prefix);

/// text as a finding shows it: whole when it is of a readable length, else its start and "...".
std::string Shortened(std::string_view text);

/// Shortened(text) in double quotes, as findings quote names and values.
std::string Quote(std::string_view text);

/// The text of a finding: the string table's text (strings.inc, kLint...) with its inserts (%1,
/// %2, ...) filled in, through the current platform.
std::string FindingText(int textId, std::initializer_list<std::string_view> inserts = {});

/// "; did you mean "name"?" for a name, nothing for none.
std::string Suggestion(std::optional<std::string_view> name);

} // namespace tandrel
