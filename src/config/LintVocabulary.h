// What the configuration checker knows of the reader: the prefixes, link keys and unit keys the
// system reads, the name a misspelt one was most likely meant to be, where a number ends as the
// reader reads it, and the few text helpers every check shares to quote what it finds.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandrel {

/// The prefix of the unit sections of the link configuration.
constexpr std::string_view kUnitPrefix = "UNIT:";
/// The prefixes of the link entries read from the link configuration.
constexpr std::string_view kLinkPrefixes[] = {
    "BOOK:",  "CURRENCY:", "EMAIL:", "ISBN:",      "MOVIE:", "MUSIC:",
    "OTHER:", "SEARCH:",   "STOCK:", "TRANSLATE:", "UPC:",   "URL:",
};
/// Every prefix read from the link configuration, as a finding lists them.
constexpr std::string_view kReadPrefixesText = "BOOK:, CURRENCY:, EMAIL:, ISBN:, MOVIE:, MUSIC:, "
                                               "OTHER:, SEARCH:, STOCK:, TRANSLATE:, UPC:, URL:, "
                                               "UNIT:";
/// The lowered keys of a mail entry; any one with a value gives the entry something to do.
constexpr std::string_view kMailKeys[] = {"mailto", "mailcc", "mailbcc", "mailsubject", "mailbody"};
/// The powers of ten a unit section reads, from "ten-18" to "ten+18".
constexpr int kLowestPower = -18;
constexpr int kHighestPower = 18;

// ---- keys

/// What a key of a link entry holds, as the entry reads it.
enum class LinkKeyType { Text, Flag, Dimension };

/// One key of a link entry, spelled as the configuration documents it.
struct LinkKey {
    std::string_view name;
    LinkKeyType type;
    bool flagDefault; ///< for flags: the value the entry keeps when the key does not decide
};

/// Every key a link entry reads, in the order of the entry's fields.
const std::vector<LinkKey>& KnownLinkKeys();

/// The known link key whose lowered name is lowered; null when link entries read no such key.
const LinkKey* FindLinkKey(std::string_view lowered);

/// The power of a lowered key written like a power key ("ten" and a signed or unsigned whole
/// number), whatever its form, so "ten03" gives 3; none for any other key. Saturates at 1000 far
/// outside the range.
std::optional<int> PowerOfKey(std::string_view lowered);

/// The key the units table reads for a power: its sign always written, no leading zeros
/// ("ten+3", "ten-18").
std::string PowerKeyName(int power);

/// True for a lowered key the units table reads: the PowerKeyName of a power from kLowestPower
/// to kHighestPower.
bool IsReadPowerKey(std::string_view lowered);

// ---- names and numbers

/// The edits (insertion, deletion, substitution, swap of neighbours) that turn a into b.
std::size_t EditDistance(std::string_view a, std::string_view b);

/// The name closest to written (compared lowered), when it is close enough to be a slip of the
/// keyboard: at most two edits, and no more than a third of the name. The first of equally close
/// names wins.
std::optional<std::string_view> ClosestName(std::string_view written,
                                            const std::vector<std::string_view>& names);

/// Where the number that ReadLeadingDecimal reads from the start of text ends; npos when there is
/// none.
std::size_t LeadingNumberEnd(std::string_view text);

// ---- text the checks share

/// True for a space or a tab, the blanks the reader keeps around keys and values.
bool IsBlank(char c);

/// text without its leading spaces and tabs.
std::string_view TrimLeadingBlanks(std::string_view text);

/// text without its trailing spaces and tabs.
std::string_view TrimTrailingBlanks(std::string_view text);

/// True when text begins with prefix, ASCII letter case aside.
bool StartsWithIgnoreAsciiCase(std::string_view text, std::string_view prefix);

/// text in double quotes, as findings quote names and values.
std::string Quote(std::string_view text);

/// "; did you mean "name"?" for a name, nothing for none.
std::string Suggestion(std::optional<std::string_view> name);

/// "yes" or "no", as findings name a flag's value.
const char* YesNo(bool value);

} // namespace tandrel
