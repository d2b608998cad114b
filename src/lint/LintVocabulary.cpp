#include "lint/LintVocabulary.h"

#include "common/CharClass.h"
#include "common/Messages.h"
#include "common/TextConversion.h"
#include "resources/CommandInfo.h"
#include "resources/StringIds.h"

#include <algorithm>

namespace tandrel {

// ---- prefixes and keys

const std::vector<std::string_view>& LinkPrefixesRead() {
    static const std::vector<std::string_view> prefixes = LinkPrefixes();
    return prefixes;
}

const std::string& ReadPrefixesText() {
    static const std::string text = [] {
        std::string joined;
        for (std::string_view prefix : LinkPrefixesRead())
            joined += std::string(prefix) + ", ";
        return joined + std::string(kUnitPrefix);
    }();
    return text;
}

std::optional<int> PowerOfKey(std::string_view key) {
    if (key.size() < 4 || !EqualsIgnoreAsciiCase(key.substr(0, 3), "ten"))
        return std::nullopt;
    std::string_view number = key.substr(3);
    bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-')
        number.remove_prefix(1);
    auto digit = [](char c) {
        return IsAsciiDigit(c);
    };
    if (number.empty() || !std::all_of(number.begin(), number.end(), digit))
        return std::nullopt;
    int power = 0;
    for (char c : number)
        power = std::min(power * 10 + (c - '0'), 1000);
    return negative ? -power : power;
}

// Formed as "ten%+d" forms it.
std::string PowerKeyName(int power) {
    return std::string("ten") + (power < 0 ? "-" : "+") +
           std::to_string(power < 0 ? -power : power);
}

bool IsReadPowerKey(std::string_view key) {
    std::optional<int> power = PowerOfKey(key);
    return power && *power >= kLowestPower && *power <= kHighestPower &&
           EqualsIgnoreAsciiCase(key, PowerKeyName(*power));
}

// ---- names

// Optimal string alignment distance over three rolling rows; a length difference beyond the limit
// already needs more edits than allowed, so long texts cost nothing.
std::optional<std::size_t> EditDistanceWithin(std::string_view a, std::string_view b,
                                              std::size_t limit) {
    std::size_t difference = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    if (difference > limit)
        return std::nullopt;
    std::vector<std::size_t> before(b.size() + 1), previous(b.size() + 1), current(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        previous[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                current[j] = std::min(current[j], before[j - 2] + 1);
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    std::size_t distance = previous[b.size()];
    return distance <= limit ? std::optional<std::size_t>(distance) : std::nullopt;
}

std::optional<std::string_view> ClosestName(std::string_view written,
                                            const std::vector<std::string_view>& names) {
    constexpr std::size_t kMostEdits = 2;
    std::optional<std::string_view> best;
    std::size_t bestDistance = kMostEdits + 1;
    std::string probe;
    for (std::string_view name : names) {
        // Checked first so that a long key is never copied or compared.
        if (written.size() > name.size() + kMostEdits)
            continue;
        if (probe.empty())
            probe = AsciiLower(written);
        std::optional<std::size_t> distance =
            EditDistanceWithin(probe, AsciiLower(name), bestDistance - 1);
        if (distance && *distance * 3 <= name.size()) {
            best = name;
            bestDistance = *distance;
        }
    }
    return best;
}

// ---- text the checks share

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimLeadingBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view TrimTrailingBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool StartsWithIgnoreAsciiCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualsIgnoreAsciiCase(text.substr(0, prefix.size()), prefix);
}

std::string Shortened(std::string_view text) {
    constexpr std::size_t kLongestShown = 200;
    constexpr std::size_t kStartShown = 160;
    if (text.size() <= kLongestShown)
        return std::string(text);
    return std::string(text.substr(0, kStartShown)) + "...";
}

std::string Quote(std::string_view text) {
    return "\"" + Shortened(text) + "\"";
}

std::string FindingText(int textId, std::initializer_list<std::string_view> inserts) {
    std::vector<MessageArg> args;
    args.reserve(inserts.size());
    for (std::string_view insert : inserts)
        args.emplace_back(std::string(insert));
    return FormatText(textId, args);
}

std::string Suggestion(std::optional<std::string_view> name) {
    return name ? FindingText(ids::kLintDidYouMean, {Quote(*name)}) : "";
}

} // namespace tandrel
