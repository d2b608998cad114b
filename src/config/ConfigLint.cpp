#include "config/ConfigLint.h"

#include "common/TextConversion.h"
#include "config/ConfigLoader.h"
#include "config/DecimalNumber.h"

#include <algorithm>
#include <map>
#include <optional>

namespace tandrel {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUnitPrefix = "UNIT:";
constexpr std::string_view kLinkPrefixes[] = {
    "BOOK:",  "CURRENCY:", "EMAIL:", "ISBN:",      "MOVIE:", "MUSIC:",
    "OTHER:", "SEARCH:",   "STOCK:", "TRANSLATE:", "UPC:",   "URL:",
};
constexpr std::string_view kReadPrefixesText = "BOOK:, CURRENCY:, EMAIL:, ISBN:, MOVIE:, MUSIC:, "
                                               "OTHER:, SEARCH:, STOCK:, TRANSLATE:, UPC:, URL:, "
                                               "UNIT:";
constexpr std::string_view kMailKeys[] = {"mailto", "mailcc", "mailbcc", "mailsubject", "mailbody"};
constexpr int kLowestPower = -18;
constexpr int kHighestPower = 18;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Quote(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string_view TrimTrailingBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view TrimLeadingBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

bool StartsWithIgnoreAsciiCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualsIgnoreAsciiCase(text.substr(0, prefix.size()), prefix);
}

// Edits (insertion, deletion, substitution, swap of neighbours) that turn a into b.
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

// The name closest to written (compared lowered), when it is close enough to be a slip of the
// keyboard: at most two edits, and no more than a third of the name.
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

std::string Suggestion(std::optional<std::string_view> name) {
    return name ? "; did you mean " + Quote(*name) + "?" : "";
}

// Where the number that ReadLeadingDecimal reads from the start of text ends; npos when there is
// none. Same grammar: blanks, sign, digits with an optional fraction, an exponent only with
// digits.
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

// The power of a key written like a power key ("ten" and a signed or unsigned whole number),
// whatever its form; none for any other key. Saturates far outside the range.
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

// The key the units table reads for a power, formed as "ten%+d" forms it.
std::string PowerKeyName(int power) {
    return std::string("ten") + (power < 0 ? "-" : "+") +
           std::to_string(power < 0 ? -power : power);
}

bool IsReadPowerKey(std::string_view lowered) {
    std::optional<int> power = PowerOfKey(lowered);
    return power && *power >= kLowestPower && *power <= kHighestPower &&
           lowered == PowerKeyName(*power);
}

const LinkKey* FindLinkKey(std::string_view lowered) {
    for (const LinkKey& key : KnownLinkKeys()) {
        if (AsciiLower(key.name) == lowered)
            return &key;
    }
    return nullptr;
}

const char* YesNo(bool value) {
    return value ? "yes" : "no";
}

ConfigLine ClassifyLine(std::string_view text, int number) {
    ConfigLine line;
    line.number = number;
    line.text = text;
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return line;
    if (text[start] == '#' || text[start] == ';') {
        line.kind = ConfigLine::Kind::Comment;
        return line;
    }
    if (text[start] == '[') {
        line.kind = ConfigLine::Kind::Head;
        std::size_t close = text.find(']', start + 1);
        line.closed = close != std::string_view::npos;
        line.name = text.substr(start + 1, (line.closed ? close : text.size()) - start - 1);
        if (line.closed)
            line.rest = text.substr(close + 1);
        return line;
    }
    // The first significant byte always belongs to the key, even an "=".
    std::size_t equals = text.find('=', start + 1);
    if (equals == std::string_view::npos) {
        line.kind = ConfigLine::Kind::Other;
        return line;
    }
    line.kind = ConfigLine::Kind::Key;
    line.key = text.substr(start, equals - start);
    line.value = text.substr(equals + 1);
    return line;
}

enum class SectionKind { Link, Unit, Ignored };

/// The last line that gave a key the reader reads.
struct KeyLine {
    int line = 0;
    std::string_view written;
    std::string_view value;
};

struct Section {
    std::string_view name;
    int line = 0;
    SectionKind kind = SectionKind::Ignored;
    std::map<std::string, KeyLine> keys; ///< by lowered key
};

/// Reads the lines one after another, as the parser does, and collects the findings.
class CConfigLinter {
public:
    explicit CConfigLinter(LintedText target) : target_(target) {}

    void Read(const ConfigLine& line) {
        switch (line.kind) {
        case ConfigLine::Kind::Blank:
        case ConfigLine::Kind::Comment:
            break;
        case ConfigLine::Kind::Head:
            OnHead(line);
            break;
        case ConfigLine::Kind::Key:
        case ConfigLine::Kind::Other:
            OnKeyOrOther(line);
            break;
        }
    }

    void Report(int line, std::string message) { findings_.push_back({line, std::move(message)}); }

    std::vector<LintFinding> Finish() {
        CloseSection();
        std::stable_sort(
            findings_.begin(), findings_.end(),
            [](const LintFinding& a, const LintFinding& b) { return a.line < b.line; });
        return std::move(findings_);
    }

private:
    // ---- heads and sections

    void OnHead(const ConfigLine& line) {
        CloseSection();
        if (!line.closed) {
            Report(line.number, "the head has no \"]\": the reader names the section by the "
                                "whole rest of the line, " +
                                    Quote(line.name));
        }
        std::string_view rest = TrimLeadingBlanks(line.rest);
        if (!rest.empty() && rest.front() != '#' && rest.front() != ';')
            Report(line.number, "the text after \"]\" is ignored: " + Quote(rest));
        current_ = Section{line.name, line.number, KindOfSection(line), {}};
        if (current_->kind != SectionKind::Ignored)
            CheckSameName(*current_);
    }

    SectionKind KindOfSection(const ConfigLine& line) {
        bool system = StartsWithIgnoreAsciiCase(line.name, kSystemPrefix);
        if (target_ == LintedText::SystemLinks) {
            if (system)
                return SectionKind::Link;
            Report(line.number, "section " + Quote(line.name) +
                                    " is ignored: only \"SYSTEM:\" sections are read from the "
                                    "system links");
            return SectionKind::Ignored;
        }
        if (system) {
            Report(line.number, "section " + Quote(line.name) +
                                    " is ignored: the system entries are read from the module "
                                    "only, never from this file");
            return SectionKind::Ignored;
        }
        if (StartsWithIgnoreAsciiCase(line.name, kUnitPrefix))
            return SectionKind::Unit;
        for (std::string_view prefix : kLinkPrefixes) {
            if (StartsWithIgnoreAsciiCase(line.name, prefix))
                return SectionKind::Link;
        }
        ReportUnknownPrefix(line);
        return SectionKind::Ignored;
    }

    void ReportUnknownPrefix(const ConfigLine& line) {
        std::vector<std::string_view> prefixes;
        for (std::string_view prefix : kLinkPrefixes)
            prefixes.push_back(prefix.substr(0, prefix.size() - 1));
        prefixes.push_back(kUnitPrefix.substr(0, kUnitPrefix.size() - 1));
        std::string_view written = line.name.substr(0, line.name.find(':'));
        std::optional<std::string_view> close = ClosestName(written, prefixes);
        Report(line.number,
               "section " + Quote(line.name) + " has no prefix the system reads (" +
                   std::string(kReadPrefixesText) + "): the reader ignores it and its keys" +
                   (close ? "; did you mean " + Quote(std::string(*close) + ":") + "?" : ""));
    }

    // Two heads of one name are two entries (or two sets of units); entries share the remembered
    // choice named by the section, and the registry compares those names without regard to case.
    void CheckSameName(const Section& section) {
        for (const Section& earlier : read_) {
            if (earlier.kind != section.kind)
                continue;
            if (earlier.name == section.name) {
                ReportSameName(section, earlier);
                break;
            }
            if (section.kind == SectionKind::Link && target_ == LintedText::LinkConfiguration &&
                EqualsIgnoreAsciiCase(earlier.name, section.name)) {
                Report(section.line,
                       "section " + Quote(section.name) + " differs from " + Quote(earlier.name) +
                           " (line " + std::to_string(earlier.line) +
                           ") only in letter case: both entries are kept, but they share one "
                           "remembered choice");
                break;
            }
        }
        read_.push_back({section.name, section.line, section.kind, {}});
    }

    void ReportSameName(const Section& section, const Section& earlier) {
        std::string what = "section " + Quote(section.name) + " is also headed on line " +
                           std::to_string(earlier.line) + ": ";
        if (section.kind == SectionKind::Unit)
            what += "both are read as separate sets of units (the name after \"UNIT:\" plays no "
                    "part)";
        else if (target_ == LintedText::SystemLinks)
            what += "both entries run when that name is asked for";
        else
            what += "both entries are kept, but they share one remembered choice";
        Report(section.line, what);
    }

    void CloseSection() {
        if (!current_)
            return;
        if (current_->kind == SectionKind::Link)
            CheckLinkSection(*current_);
        else if (current_->kind == SectionKind::Unit)
            CheckUnitSection(*current_);
        current_.reset();
    }

    // ---- key lines

    void OnKeyOrOther(const ConfigLine& line) {
        // Nothing in an ignored section is read; its head said so already.
        if (current_ && current_->kind == SectionKind::Ignored)
            return;
        std::string_view significant = TrimLeadingBlanks(line.text);
        if (significant.front() == '=') {
            Report(line.number, "the line starts with \"=\", which the reader takes as the first "
                                "byte of a key: the line sets nothing");
            return;
        }
        if (line.kind == ConfigLine::Kind::Other) {
            Report(line.number,
                   "the line has neither a section head nor \"=\": the reader ignores it");
            return;
        }
        if (!current_) {
            Report(line.number, "key line before the first section head: the reader drops it");
            return;
        }
        OnKey(line);
    }

    void OnKey(const ConfigLine& line) {
        std::string lowered = AsciiLower(line.key);
        std::string_view trimmed = TrimTrailingBlanks(line.key);
        if (trimmed.size() != line.key.size() && IsReadKey(AsciiLower(trimmed))) {
            Report(line.number, "blank before \"=\": the reader keeps it in the key, " +
                                    Quote(line.key) + ", which is not " + Quote(trimmed) +
                                    ", so this line sets nothing; write " + std::string(trimmed) +
                                    "=" + std::string(TrimLeadingBlanks(line.value)));
            return;
        }
        if (!IsReadKey(lowered)) {
            ReportUnreadKey(line, trimmed);
            return;
        }
        auto earlier = current_->keys.find(lowered);
        if (earlier != current_->keys.end()) {
            bool sameCase = earlier->second.written == line.key;
            Report(line.number,
                   Quote(line.key) + " repeats the key " + Quote(earlier->second.written) +
                       " of line " + std::to_string(earlier->second.line) +
                       (sameCase ? "" : " (keys ignore letter case)") + ": this later value wins");
        }
        current_->keys[lowered] = KeyLine{line.number, line.key, line.value};
    }

    bool IsReadKey(const std::string& lowered) const {
        if (current_->kind == SectionKind::Link)
            return FindLinkKey(lowered) != nullptr;
        return lowered == "category" || lowered == "a" || lowered == "b" || lowered == "invert" ||
               IsReadPowerKey(lowered);
    }

    void ReportUnreadKey(const ConfigLine& line, std::string_view trimmed) {
        std::string lowered = AsciiLower(trimmed);
        std::string start = "the reader ignores the key " + Quote(line.key) + ": ";
        if (current_->kind == SectionKind::Link) {
            if (lowered == "titlebar") {
                Report(line.number, start + "no key sets the title bar, which is always shown");
                return;
            }
            std::vector<std::string_view> names;
            for (const LinkKey& key : KnownLinkKeys())
                names.push_back(key.name);
            Report(line.number, start + "link entries have no such key" +
                                    Suggestion(ClosestName(trimmed, names)));
            return;
        }
        std::optional<int> power = PowerOfKey(lowered);
        if (power && (*power < kLowestPower || *power > kHighestPower)) {
            Report(line.number, start + "the powers go from ten-18 to ten+18");
        } else if (power) {
            Report(line.number, start +
                                    "power keys are written with a sign and without leading "
                                    "zeros; did you mean " +
                                    Quote(PowerKeyName(*power)) + "?");
        } else {
            Report(line.number, start +
                                    "unit sections read category, a, b, invert and ten-18 to "
                                    "ten+18" +
                                    Suggestion(ClosestName(trimmed, {"category", "invert"})));
        }
    }

    // ---- link sections

    void CheckLinkSection(const Section& section) {
        for (const auto& [lowered, key] : section.keys)
            CheckLinkValue(*FindLinkKey(lowered), key);
        auto has = [&](std::string_view lowered) {
            auto it = section.keys.find(std::string(lowered));
            return it != section.keys.end() && !it->second.value.empty();
        };
        bool mail = std::any_of(std::begin(kMailKeys), std::end(kMailKeys), has);
        if (!has("url") && !has("href") && !has("command") && !mail) {
            Report(section.line, "entry " + Quote(section.name) +
                                     " has no url, href, command or mail key with a value: "
                                     "choosing it does nothing");
        }
        if (has("url") && has("href")) {
            Report(section.keys.at("url").line,
                   "entry " + Quote(section.name) +
                       " has both href and url: the reader follows href and never opens url");
        }
    }

    void CheckLinkValue(const LinkKey& known, const KeyLine& key) {
        switch (known.type) {
        case LinkKeyType::Flag:
            CheckFlag(key, known.flagDefault);
            break;
        case LinkKeyType::Dimension:
            CheckDimension(key);
            break;
        case LinkKeyType::Text:
            if (known.name == "windowName" && key.value.empty()) {
                Report(key.line, "windowName is empty: an empty value keeps the default window "
                                 "name, \"_blank\"");
            }
            if (known.name == "href")
                CheckHrefMacros(key);
            break;
        }
    }

    void CheckFlag(const KeyLine& key, bool flagDefault) {
        if (key.value.empty() ||
            std::string_view("0FfNn1TtYy").find(key.value.front()) != std::string_view::npos)
            return;
        Report(key.line, "the value " + Quote(key.value) + " of " + std::string(key.written) +
                             " is neither yes nor no: the reader looks only at its first byte "
                             "(1, T, Y mean yes; 0, F, N mean no), so the flag keeps its "
                             "default, " +
                             YesNo(flagDefault));
    }

    // A dimension is read as a number immediately followed by nothing or by "%".
    void CheckDimension(const KeyLine& key) {
        if (key.value.empty())
            return;
        std::size_t end = LeadingNumberEnd(key.value);
        std::string_view after = end == std::string_view::npos ? key.value : key.value.substr(end);
        if (end != std::string_view::npos && (after.empty() || after.front() == '%')) {
            if (after.size() > 1) {
                Report(key.line, "the text after \"%\" in " + Quote(key.value) + " of " +
                                     std::string(key.written) + " is ignored");
            }
            return;
        }
        Report(key.line, "the value " + Quote(key.value) + " of " + std::string(key.written) +
                             " is not read, so the window gets no " + AsciiLower(key.written) +
                             " from it: write a number of pixels (negative from the right or "
                             "bottom edge) or a number and \"%\", with nothing between them");
    }

    // href is given to the page as written; only the other templates are expanded.
    void CheckHrefMacros(const KeyLine& key) {
        if (StartsWithIgnoreAsciiCase(key.value, "javascript:"))
            return;
        constexpr std::string_view kMacroLetters = "CcDdFfHhIiLlOoSsTtUuWw";
        for (std::size_t pos = key.value.find('!');
             pos != std::string_view::npos && pos + 1 < key.value.size();
             pos = key.value.find('!', pos + 1)) {
            if (kMacroLetters.find(key.value[pos + 1]) == std::string_view::npos)
                continue;
            Report(key.line, "href is never expanded: " + Quote(key.value.substr(pos, 2)) +
                                 " reaches the page as written; use url for an address with "
                                 "macros");
            return;
        }
    }

    // ---- unit sections

    void CheckUnitSection(const Section& section) {
        auto category = section.keys.find("category");
        if (category == section.keys.end() || category->second.value.empty()) {
            Report(section.line, "unit section " + Quote(section.name) +
                                     " has no category (or an empty one): the reader ignores the "
                                     "whole section");
            return;
        }
        CheckCategory(category->second);
        CheckNumber(section, "a", "1");
        CheckNumber(section, "b", "0");
        if (auto invert = section.keys.find("invert"); invert != section.keys.end())
            CheckFlag(invert->second, false);
        bool anyUnit = false;
        for (const auto& [lowered, key] : section.keys) {
            if (IsReadPowerKey(lowered) && !key.value.empty()) {
                CheckAliases(key);
                anyUnit = true;
            }
        }
        if (!anyUnit) {
            Report(section.line, "unit section " + Quote(section.name) +
                                     " has no ten-18 to ten+18 key with a value: it adds no unit");
        }
    }

    void CheckCategory(const KeyLine& key) {
        if (!IsBlank(key.value.front()) && !IsBlank(key.value.back()))
            return;
        std::string_view trimmed = TrimTrailingBlanks(TrimLeadingBlanks(key.value));
        Report(key.line, "the category " + Quote(key.value) +
                             " has blanks around it, which the reader keeps: it is a category "
                             "of its own, not " +
                             Quote(trimmed));
    }

    void CheckNumber(const Section& section, const char* name, const char* fallback) {
        auto it = section.keys.find(name);
        if (it == section.keys.end() || it->second.value.empty())
            return;
        const KeyLine& key = it->second;
        if (!ReadLeadingDecimal(key.value)) {
            Report(key.line, "the value " + Quote(key.value) + " of " + std::string(key.written) +
                                 " holds no number: the reader uses the default, " + fallback);
            return;
        }
        std::size_t end = LeadingNumberEnd(key.value);
        std::string_view rest = key.value.substr(end);
        if (TrimTrailingBlanks(rest).empty())
            return;
        Report(key.line, "only the number at the start of " + Quote(key.value) + " is read for " +
                             std::string(key.written) + ", " +
                             Quote(TrimLeadingBlanks(key.value.substr(0, end))) + "; the rest, " +
                             Quote(rest) + ", is ignored");
    }

    // The first alias names the unit; a unit written after an amount is looked up with the
    // blanks before it skipped, so an alias that begins with one is never found.
    void CheckAliases(const KeyLine& key) {
        std::string_view first = key.value.substr(0, key.value.find(','));
        if (TrimLeadingBlanks(first).empty()) {
            Report(key.line, "the first alias of " + std::string(key.written) +
                                 " is blank: the reader adds no unit for this line, and none of "
                                 "its aliases");
            return;
        }
        std::string blankAliases;
        std::size_t begin = 0;
        while (begin <= key.value.size()) {
            std::size_t comma = std::min(key.value.find(',', begin), key.value.size());
            std::string_view alias = key.value.substr(begin, comma - begin);
            if (!alias.empty() && IsBlank(alias.front()) && !TrimLeadingBlanks(alias).empty())
                blankAliases += (blankAliases.empty() ? "" : ", ") + Quote(alias);
            begin = comma + 1;
        }
        if (!blankAliases.empty()) {
            Report(key.line, "in " + std::string(key.written) + ", " + blankAliases +
                                 " begins with a blank: a unit after an amount is looked up "
                                 "without the blanks before it, so that alias is never "
                                 "recognised");
        }
    }

    LintedText target_;
    std::optional<Section> current_;
    std::vector<Section> read_; ///< every section read so far (names only)
    std::vector<LintFinding> findings_;
};

// A byte-order mark is no blank to the reader: its bytes start the first line.
bool ReportByteOrderMark(CConfigLinter& linter, std::string_view text,
                         const std::vector<ConfigLine>& lines) {
    if (text.substr(0, kUtf8ByteOrderMark.size()) != kUtf8ByteOrderMark)
        return false;
    std::string_view firstLine = TrimLeadingBlanks(lines.front().text.substr(3));
    std::string message = "the file begins with a UTF-8 byte-order mark, whose bytes the reader "
                          "takes as text of this line";
    if (!firstLine.empty() && firstLine.front() == '[')
        message += ": the head is not read as a head, and its keys are dropped up to the next head";
    linter.Report(1, message + "; save the file as ANSI (Windows-1252) without a byte-order mark");
    return true;
}

bool IsUtf16(std::string_view text) {
    std::string_view start = text.substr(0, 2);
    return start == "\xFF\xFE" || start == "\xFE\xFF";
}

} // namespace

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

std::vector<ConfigLine> ReadConfigLines(std::string_view text) {
    std::vector<ConfigLine> lines;
    int number = 1;
    std::size_t begin = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] != '\r' && text[pos] != '\n')
            continue;
        lines.push_back(ClassifyLine(text.substr(begin, pos - begin), number++));
        if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
            ++pos;
        begin = pos + 1;
    }
    if (begin < text.size())
        lines.push_back(ClassifyLine(text.substr(begin), number));
    return lines;
}

std::vector<LintFinding> LintConfigText(std::string_view text, LintedText kind) {
    CConfigLinter linter(kind);
    if (IsUtf16(text)) {
        linter.Report(1, "the file is UTF-16 (it begins with a UTF-16 byte-order mark): the reader "
                         "takes it byte by byte and reads nothing from it; save it as ANSI "
                         "(Windows-1252)");
        return linter.Finish();
    }
    std::vector<ConfigLine> lines = ReadConfigLines(text);
    bool skipFirst = ReportByteOrderMark(linter, text, lines);
    for (const ConfigLine& line : lines) {
        if (!(skipFirst && line.number == 1))
            linter.Read(line);
    }
    return linter.Finish();
}

} // namespace tandrel
