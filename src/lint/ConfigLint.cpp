#include "lint/ConfigLint.h"

#include "common/CharClass.h"
#include "common/TextConversion.h"
#include "config/CommandWords.h"
#include "config/ConfigLines.h"
#include "config/ConfigLoader.h"
#include "config/ConfigSection.h"
#include "config/Link.h"
#include "lint/LintValues.h"
#include "resources/StringIds.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

namespace tandrel {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

enum class SectionKind { Link, Unit, Ignored };

/// The last line that gave a key the reader reads.
struct KeyLine {
    std::size_t line = 0;
    std::string_view written;
    std::string_view value;
};

struct Section {
    std::string_view name;
    std::size_t line = 0;
    SectionKind kind = SectionKind::Ignored;
    std::map<std::string, KeyLine> keys; ///< by lowered key
};

/// The first section read under a name.
struct FirstSection {
    std::string_view name;
    std::size_t line = 0;
};

/// The first section of each name, in a table with open addressing: one look into memory per
/// name even when a file has a million sections. Names compare exactly, or ASCII letter case
/// aside, as the registry compares the remembered choices' names.
class CFirstSections {
public:
    explicit CFirstSections(bool ignoreCase) : ignoreCase_(ignoreCase) {}

    /// The first section of section's name; null when section is the first, which is then kept.
    const FirstSection* FindOrAdd(const FirstSection& section) {
        if ((count_ + 1) * 4 > slots_.size() * 3)
            Grow();
        std::size_t hash = Hash(section.name);
        for (std::size_t i = hash & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
            Slot& slot = slots_[i];
            if (!slot.used) {
                slot = Slot{true, hash, section};
                ++count_;
                return nullptr;
            }
            if (slot.hash == hash && Same(slot.first.name, section.name))
                return &slot.first;
        }
    }

private:
    struct Slot {
        bool used = false;
        std::size_t hash = 0;
        FirstSection first;
    };

    std::size_t Hash(std::string_view name) const {
        // 64-bit FNV-1a whatever the word size, folded into a size_t.
        std::uint64_t hash = 14695981039346656037ull;
        for (char c : name) {
            if (ignoreCase_)
                c = ToAsciiLower(c);
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        }
        return static_cast<std::size_t>(hash ^ (hash >> 29));
    }

    bool Same(std::string_view a, std::string_view b) const {
        return ignoreCase_ ? EqualsIgnoreAsciiCase(a, b) : a == b;
    }

    void Grow() {
        std::vector<Slot> old(std::max<std::size_t>(64, slots_.size() * 2));
        old.swap(slots_);
        for (const Slot& slot : old) {
            if (!slot.used)
                continue;
            std::size_t i = slot.hash & (slots_.size() - 1);
            while (slots_[i].used)
                i = (i + 1) & (slots_.size() - 1);
            slots_[i] = slot;
        }
    }

    bool ignoreCase_;
    std::vector<Slot> slots_;
    std::size_t count_ = 0;
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

    void Report(std::size_t line, std::string message) {
        findings_.push_back({line, std::move(message)});
    }

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
        if (!line.closed)
            Report(line.number, FindingText(ids::kLintHeadNotClosed, {Quote(line.name)}));
        std::string_view rest = TrimLeadingBlanks(line.rest);
        if (!rest.empty() && rest.front() != '#' && rest.front() != ';')
            Report(line.number, FindingText(ids::kLintTextAfterHead, {Quote(rest)}));
        current_ = Section{line.name, line.number, KindOfSection(line), {}};
        if (current_->kind != SectionKind::Ignored)
            CheckSameName(*current_);
    }

    SectionKind KindOfSection(const ConfigLine& line) {
        bool system = StartsWithIgnoreAsciiCase(line.name, kSystemPrefix);
        if (target_ == LintedText::SystemLinks) {
            if (system)
                return SectionKind::Link;
            Report(line.number, FindingText(ids::kLintLinkInSystemLinks, {Quote(line.name)}));
            return SectionKind::Ignored;
        }
        if (system) {
            Report(line.number, FindingText(ids::kLintSystemInLinks, {Quote(line.name)}));
            return SectionKind::Ignored;
        }
        if (StartsWithIgnoreAsciiCase(line.name, kUnitPrefix))
            return SectionKind::Unit;
        for (std::string_view prefix : LinkPrefixesRead()) {
            if (StartsWithIgnoreAsciiCase(line.name, prefix))
                return SectionKind::Link;
        }
        ReportUnknownPrefix(line);
        return SectionKind::Ignored;
    }

    void ReportUnknownPrefix(const ConfigLine& line) {
        std::vector<std::string_view> prefixes;
        for (std::string_view prefix : LinkPrefixesRead())
            prefixes.push_back(prefix.substr(0, prefix.size() - 1));
        prefixes.push_back(kUnitPrefix.substr(0, kUnitPrefix.size() - 1));
        std::string_view written = line.name.substr(0, line.name.find(':'));
        std::optional<std::string_view> close = ClosestName(written, prefixes);
        std::string suggestion = close ? Suggestion(std::string(*close) + ":") : std::string();
        Report(line.number, FindingText(ids::kLintUnknownPrefix,
                                        {Quote(line.name), ReadPrefixesText(), suggestion}));
    }

    // Two heads of one name are two entries (or two sets of units); entries share the remembered
    // choice named by the section, and the registry compares those names without regard to case.
    // The first section of each name is kept in a hash, so the check costs the same however many
    // sections came before.
    void CheckSameName(const Section& section) {
        FirstSection seen{section.name, section.line};
        if (section.kind == SectionKind::Link && target_ == LintedText::LinkConfiguration) {
            const FirstSection* first = firstLinkByNameAnyCase_.FindOrAdd(seen);
            if (!first)
                return;
            if (first->name == section.name) {
                ReportSameName(section, *first);
                return;
            }
            Report(section.line, FindingText(ids::kLintNameDiffersInCase,
                                             {Quote(section.name), Quote(first->name),
                                              std::to_string(first->line)}));
            return;
        }
        CFirstSections& firstByName =
            section.kind == SectionKind::Unit ? firstUnitByName_ : firstLinkByName_;
        if (const FirstSection* first = firstByName.FindOrAdd(seen))
            ReportSameName(section, *first);
    }

    void ReportSameName(const Section& section, const FirstSection& earlier) {
        int text = section.kind == SectionKind::Unit    ? ids::kLintSameUnitName
                   : target_ == LintedText::SystemLinks ? ids::kLintSameSystemName
                                                        : ids::kLintSameLinkName;
        Report(section.line,
               FindingText(text, {Quote(section.name), std::to_string(earlier.line)}));
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
            Report(line.number, FindingText(ids::kLintLineStartsWithEquals));
            return;
        }
        if (line.kind == ConfigLine::Kind::Other) {
            Report(line.number, FindingText(ids::kLintLineWithoutEquals));
            return;
        }
        if (!current_) {
            Report(line.number, FindingText(ids::kLintKeyBeforeHead));
            return;
        }
        OnKey(line);
    }

    void OnKey(const ConfigLine& line) {
        std::string_view trimmed = TrimTrailingBlanks(line.key);
        if (trimmed.size() != line.key.size() && IsReadKey(trimmed)) {
            Report(line.number, FindingText(ids::kLintBlankBeforeEquals,
                                            {Quote(line.key), Quote(trimmed), Shortened(trimmed),
                                             Shortened(TrimLeadingBlanks(line.value))}));
            return;
        }
        if (!IsReadKey(line.key)) {
            ReportUnreadKey(line, trimmed);
            return;
        }
        // Lowered only now: a key the reader reads is short, however long other keys are.
        std::string lowered = AsciiLower(line.key);
        auto earlier = current_->keys.find(lowered);
        if (earlier != current_->keys.end()) {
            bool sameCase = earlier->second.written == line.key;
            Report(line.number,
                   FindingText(sameCase ? ids::kLintRepeatedKey : ids::kLintRepeatedKeyOtherCase,
                               {Quote(line.key), Quote(earlier->second.written),
                                std::to_string(earlier->second.line)}));
        }
        current_->keys[lowered] = KeyLine{line.number, line.key, line.value};
    }

    /// Whether the reader reads the key (in any letter case) in the current section.
    bool IsReadKey(std::string_view key) const {
        if (current_->kind == SectionKind::Link)
            return FindLinkKey(key) != nullptr;
        for (std::string_view unitKey : {"category", "a", "b", "invert"}) {
            if (EqualsIgnoreAsciiCase(key, unitKey))
                return true;
        }
        return IsReadPowerKey(key);
    }

    void ReportUnreadKey(const ConfigLine& line, std::string_view trimmed) {
        std::string key = Quote(line.key);
        if (current_->kind == SectionKind::Link) {
            if (EqualsIgnoreAsciiCase(trimmed, "titleBar")) {
                Report(line.number, FindingText(ids::kLintTitleBarKey, {key}));
                return;
            }
            std::vector<std::string_view> names;
            for (const LinkField& field : LinkFields()) {
                if (field.keyed)
                    names.push_back(field.name);
            }
            Report(line.number, FindingText(ids::kLintUnknownLinkKey,
                                            {key, Suggestion(ClosestName(trimmed, names))}));
            return;
        }
        std::optional<int> power = PowerOfKey(trimmed);
        if (power && (*power < kLowestPower || *power > kHighestPower)) {
            Report(line.number, FindingText(ids::kLintPowerOutOfRange, {key}));
        } else if (power) {
            Report(line.number,
                   FindingText(ids::kLintPowerMisspelt, {key, Quote(PowerKeyName(*power))}));
        } else {
            Report(line.number,
                   FindingText(ids::kLintUnknownUnitKey,
                               {key, Suggestion(ClosestName(trimmed, {"category", "invert"}))}));
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
        bool mail = false;
        for (const LinkField& field : LinkFields())
            mail = mail || (field.mail && has(AsciiLower(field.name)));
        if (!has("url") && !has("href") && !has("command") && !mail) {
            Report(section.line, FindingText(ids::kLintEntryDoesNothing, {Quote(section.name)}));
        }
        if (has("url") && has("href")) {
            Report(section.keys.at("url").line,
                   FindingText(ids::kLintHrefAndUrl, {Quote(section.name)}));
        }
        if (has("command"))
            CheckCommand(section);
    }

    // Where the page's values stand in the command: never as the program, and not as an
    // argument they could split into several.
    void CheckCommand(const Section& section) {
        CConfigSection read(std::string(section.name));
        for (const auto& [lowered, key] : section.keys)
            read.SetValue(lowered, std::string(key.value));
        CLink link;
        link.LoadKeysFromSection(read);
        std::size_t line = section.keys.at("command").line;
        std::vector<CommandWord> words = CommandWords(link.GetCommand());
        if (words.empty())
            return;
        if (words.front().pageValue) {
            Report(line, FindingText(ids::kLintProgramFromPage, {Quote(words.front().text)}));
            return;
        }
        // The interpreter's line is neutralised by its own rules, and an encoded value holds no
        // blank.
        if (link.GetUseConsole() || link.GetURLEncoded() || NamesInterpreter(words.front().text))
            return;
        for (std::size_t at = 1; at < words.size(); ++at) {
            if (words[at].wholePageValue) {
                Report(line, FindingText(ids::kLintSplittableArgument, {words[at].text}));
            }
        }
    }

    static bool NamesInterpreter(std::string_view program) {
        std::u16string path = Windows1252ToWide(AsciiLower(program));
        while (!path.empty() && (path.back() == u'.' || path.back() == u' '))
            path.pop_back();
        std::size_t slash = path.find_last_of(u"\\/");
        return IsInterpreterProgram(path, slash == std::u16string::npos ? 0 : slash + 1, u"");
    }

    void CheckLinkValue(const LinkField& known, const KeyLine& key) {
        switch (known.kind) {
        case LinkFieldKind::Flag:
            ReportValue(key, FlagFinding(key.written, key.value, known.flagDefault));
            break;
        case LinkFieldKind::Number:
            ReportValue(key, DimensionFinding(key.written, key.value));
            break;
        case LinkFieldKind::Text:
            if (known.name == "windowName")
                ReportValue(key, WindowNameFinding(key.value));
            if (known.name == "href")
                ReportValue(key, HrefFinding(key.value));
            if (known.name == "URLCharset")
                ReportValue(key, CharsetFinding(key.value));
            break;
        }
    }

    // ---- unit sections

    void CheckUnitSection(const Section& section) {
        auto category = section.keys.find("category");
        if (category == section.keys.end() || category->second.value.empty()) {
            Report(section.line, FindingText(ids::kLintUnitWithoutCategory, {Quote(section.name)}));
            return;
        }
        ReportValue(category->second, CategoryFinding(category->second.value));
        CheckNumber(section, "a", "1");
        CheckNumber(section, "b", "0");
        if (auto invert = section.keys.find("invert"); invert != section.keys.end()) {
            const KeyLine& key = invert->second;
            ReportValue(key, FlagFinding(key.written, key.value, false));
        }
        bool anyUnit = false;
        for (const auto& [lowered, key] : section.keys) {
            if (IsReadPowerKey(lowered) && !key.value.empty()) {
                ReportValue(key, AliasesFinding(key.written, key.value));
                anyUnit = true;
            }
        }
        if (!anyUnit) {
            Report(section.line, FindingText(ids::kLintUnitWithoutPowers, {Quote(section.name)}));
        }
    }

    void CheckNumber(const Section& section, const char* name, std::string_view fallback) {
        if (auto it = section.keys.find(name); it != section.keys.end())
            ReportValue(it->second, NumberFinding(it->second.written, it->second.value, fallback));
    }

    void ReportValue(const KeyLine& key, std::optional<std::string> message) {
        if (message)
            Report(key.line, std::move(*message));
    }

    LintedText target_;
    std::optional<Section> current_;
    CFirstSections firstLinkByName_{false};
    CFirstSections firstUnitByName_{false};
    CFirstSections firstLinkByNameAnyCase_{true};
    std::vector<LintFinding> findings_;
};

// A byte-order mark is no blank to the reader: its bytes start the first line.
bool ReportByteOrderMark(CConfigLinter& linter, std::string_view text, const ConfigLine& first) {
    if (text.substr(0, kUtf8ByteOrderMark.size()) != kUtf8ByteOrderMark)
        return false;
    std::string_view firstLine = TrimLeadingBlanks(first.text.substr(kUtf8ByteOrderMark.size()));
    bool head = !firstLine.empty() && firstLine.front() == '[';
    linter.Report(1, FindingText(head ? ids::kLintUtf8MarkBeforeHead : ids::kLintUtf8Mark));
    return true;
}

bool IsUtf16(std::string_view text) {
    std::string_view start = text.substr(0, 2);
    return start == "\xFF\xFE" || start == "\xFE\xFF";
}

} // namespace

std::vector<LintFinding> LintConfigText(std::string_view text, LintedText kind) {
    CConfigLinter linter(kind);
    if (IsUtf16(text)) {
        linter.Report(1, FindingText(ids::kLintUtf16Text));
        return linter.Finish();
    }
    CConfigLineReader reader(text);
    ConfigLine line;
    while (reader.Next(line)) {
        if (line.number == 1 && ReportByteOrderMark(linter, text, line))
            continue;
        linter.Read(line);
    }
    return linter.Finish();
}

} // namespace tandrel
