#include "config/LintVocabulary.h"

#include "common/TextConversion.h"

#include <algorithm>

namespace tandrel {

// ---- keys

const std::vector<LinkKey>& KnownLinkKeys() {
    using T = LinkKeyType;
    static const std::vector<LinkKey> keys = {
        {"shortDescription", T::Text, false},
        {"longDescription", T::Text, false},
        {"url", T::Text, false},
        {"href", T::Text, false},
        {"command", T::Text, false},
        {"useConsole", T::Flag, false},
        {"leaveConsole", T::Flag, false},
        {"URLEncoded", T::Flag, true},
        {"MailTo", T::Text, false},
        {"MailCC", T::Text, false},
        {"MailBCC", T::Text, false},
        {"MailSubject", T::Text, false},
        {"MailBody", T::Text, false},
        {"windowName", T::Text, false},
        {"left", T::Dimension, false},
        {"top", T::Dimension, false},
        {"width", T::Dimension, false},
        {"height", T::Dimension, false},
        {"directories", T::Flag, true},
        {"fullScreen", T::Flag, false},
        {"location", T::Flag, true},
        {"menuBar", T::Flag, true},
        {"resizable", T::Flag, true},
        {"scrollBars", T::Flag, true},
        {"status", T::Flag, true},
        {"toolBar", T::Flag, true},
        {"exclusive", T::Flag, false},
        {"defaultSelected", T::Flag, false},
    };
    return keys;
}

const LinkKey* FindLinkKey(std::string_view lowered) {
    for (const LinkKey& key : KnownLinkKeys()) {
        if (AsciiLower(key.name) == lowered)
            return &key;
    }
    return nullptr;
}

std::optional<int> PowerOfKey(std::string_view lowered) {
    if (lowered.size() < 4 || lowered.substr(0, 3) != "ten")
        return std::nullopt;
    std::string_view number = lowered.substr(3);
    bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-')
        number.remove_prefix(1);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos)
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

bool IsReadPowerKey(std::string_view lowered) {
    std::optional<int> power = PowerOfKey(lowered);
    return power && *power >= kLowestPower && *power <= kHighestPower &&
           lowered == PowerKeyName(*power);
}

// ---- names and numbers

std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

std::optional<std::string_view> ClosestName(std::string_view written,
                                            const std::vector<std::string_view>& names) {
    std::string probe = AsciiLower(written);
    std::optional<std::string_view> best;
    std::size_t bestDistance = 3;
    for (std::string_view name : names) {
        std::size_t distance = EditDistance(probe, AsciiLower(name));
        if (distance < bestDistance && distance * 3 <= name.size()) {
            best = name;
            bestDistance = distance;
        }
    }
    return best;
}

// Same grammar as ReadLeadingDecimal: blanks, sign, digits with an optional fraction, an exponent
// only with digits.
std::size_t LeadingNumberEnd(std::string_view text) {
    auto digits = [&](std::size_t& pos) {
        std::size_t start = pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
            ++pos;
        return pos - start;
    };
    std::size_t pos = text.find_first_not_of(" \t\n\v\f\r");
    if (pos == std::string_view::npos)
        return pos;
    if (text[pos] == '+' || text[pos] == '-')
        ++pos;
    std::size_t count = digits(pos);
    if (pos < text.size() && text[pos] == '.')
        count += digits(++pos);
    if (count == 0)
        return std::string_view::npos;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        if (digits(exponent) > 0)
            pos = exponent;
    }
    return pos;
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

std::string Quote(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string Suggestion(std::optional<std::string_view> name) {
    return name ? "; did you mean " + Quote(*name) + "?" : "";
}

const char* YesNo(bool value) {
    return value ? "yes" : "no";
}

} // namespace tandrel
