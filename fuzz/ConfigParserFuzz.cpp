// Arbitrary bytes through the configuration reader and its checker. Not crashing is only the
// start: every input must also keep the promises their headers make, so a reader that quietly
// stores a key it should have dropped is caught as surely as one that reads out of bounds.
#include "FuzzSupport.h"
#include "ReferenceConfigParser.h"

#include "common/DecimalNumber.h"
#include "config/ConfigLines.h"
#include "config/ConfigParser.h"
#include "lint/ConfigLint.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandrel {

namespace {

using fuzz::AsciiUpper;
using fuzz::Require;

// The prefixes the reader is asked for besides ""; "isbn:" because a head matches its prefix in
// any letter case.
constexpr std::string_view kPrefixes[] = {"ISBN:", "UNIT:", "isbn:", "SYSTEM:"};

bool HasAsciiCapital(std::string_view text) {
    return text.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string_view::npos;
}

bool HasLineEnd(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Written here rather than borrowed from the code under test, so that both cannot share a slip.
bool StartsWithPrefix(std::string_view name, std::string_view prefix) {
    return name.size() >= prefix.size() &&
           AsciiUpper(name.substr(0, prefix.size())) == AsciiUpper(prefix);
}

bool SameSection(const CConfigSection& a, const CConfigSection& b) {
    return a.GetName() == b.GetName() && a.Values() == b.Values();
}

// ---- the parser

void CheckKey(const CConfigSection& section, const std::string& key, const std::string& value) {
    Require(!key.empty(), "a stored key is not empty");
    Require(!HasAsciiCapital(key), "a stored key is lowered");
    Require(!HasLineEnd(key) && !HasLineEnd(value), "keys and values stay on their line");
    // Only a line that starts with "=" keeps an "=" in its key, as its first byte.
    Require(key.find('=', 1) == std::string::npos, "a key ends at its first \"=\"");
    Require(std::string_view(" \t#;[").find(key.front()) == std::string_view::npos,
            "a key starts at the line's first significant byte, which is no comment or head");
    Require(section.GetString(key, "\x01") == value, "a stored key is found as stored");
    Require(section.GetString(AsciiUpper(key), "\x01") == value, "lookups ignore ASCII case");
    Require(section.HasValue(key) == !value.empty(), "HasValue means a value that is not empty");
}

void CheckSections(const CSectionList& list, std::string_view prefix) {
    for (const CConfigSection& section : list) {
        std::string name = section.GetName();
        Require(StartsWithPrefix(name, prefix), "a section name starts with its prefix");
        Require(name.find(']') == std::string::npos && !HasLineEnd(name),
                "a section name ends at \"]\" or at its line end");
        for (const auto& [key, value] : section.Values())
            CheckKey(section, key, value);
    }
}

// A narrower prefix gives exactly the sections of "" whose names carry it, values and all:
// which head a key line falls under never depends on the prefix asked for.
void CheckNarrowerPrefix(std::string_view text, const CSectionList& all, std::string_view prefix) {
    CSectionList narrow;
    ParseConfigText(narrow, text, prefix);
    CheckSections(narrow, prefix);
    Require(narrow.size() <= all.size(), "the prefix \"\" gives at least as many sections");
    std::size_t next = 0;
    for (const CConfigSection& section : all) {
        if (!StartsWithPrefix(section.GetName(), prefix))
            continue;
        Require(next < narrow.size() && SameSection(narrow[next], section),
                "a prefix gives the sections of \"\" that carry it, in text order");
        ++next;
    }
    Require(next == narrow.size(), "a prefix gives no section that \"\" does not");
}

void CheckAppends(std::string_view text, const CSectionList& all) {
    CSectionList twice;
    ParseConfigText(twice, text, "");
    ParseConfigText(twice, text, "");
    Require(twice.size() == 2 * all.size(), "parsing appends to the list");
    for (std::size_t i = 0; i < all.size(); ++i) {
        Require(SameSection(twice[i], all[i]) && SameSection(twice[all.size() + i], all[i]),
                "appending keeps the sections already in the list");
    }
}

// The parser reads lines; the grammar's byte machine reads bytes. Both must give the same
// sections, names, keys and values, whatever the prefix.
void CheckAgainstByteMachine(std::string_view text, std::string_view prefix) {
    CSectionList parsed, expected;
    ParseConfigText(parsed, text, prefix);
    reference::ParseConfigBytes(expected, text, prefix);
    Require(parsed.size() == expected.size(), "the parser gives the byte machine's sections");
    for (std::size_t i = 0; i < parsed.size(); ++i)
        Require(SameSection(parsed[i], expected[i]), "the parser gives the byte machine's values");
}

// ---- numbers

// Where a number ends and what it is must agree: the checker quotes the part of a value before
// the end, so a wrong end quotes the wrong part or slices past the value.
void CheckNumberReading(std::string_view value) {
    std::optional<double> number = ReadLeadingDecimal(value);
    std::optional<LeadingDecimal> scanned = ScanLeadingDecimal(value);
    Require(number.has_value() == scanned.has_value(),
            "ScanLeadingDecimal finds a number exactly when ReadLeadingDecimal reads one");
    if (!number)
        return;
    Require(scanned->end <= value.size(), "a number ends inside its value");
    std::optional<double> leading = ReadLeadingDecimal(value.substr(0, scanned->end));
    Require(leading && *leading == *number && scanned->value == *number,
            "the number is read from the bytes before its end");
}

// ---- the line reader

// The lines cover the text exactly: each line's bytes, then one line end (CR LF, LF or CR), and
// only a last line that is not empty may go without one.
void CheckLineSplitting(std::string_view text, const std::vector<ConfigLine>& lines) {
    std::size_t pos = 0;
    std::size_t number = 1;
    for (const ConfigLine& line : lines) {
        Require(line.number == number++, "lines are numbered 1, 2, 3 ...");
        Require(line.text.data() == text.data() + pos && !HasLineEnd(line.text),
                "a line is the text's next bytes up to a line end");
        pos += line.text.size();
        if (pos == text.size()) {
            Require(&line == &lines.back() && !line.text.empty(),
                    "only a last line that is not empty goes without a line end");
            break;
        }
        Require(text[pos] == '\r' || text[pos] == '\n', "a line ends at a line end");
        pos += text.compare(pos, 2, "\r\n") == 0 ? 2 : 1;
    }
    Require(pos == text.size(), "the lines cover the whole text");
}

bool IsInside(std::string_view part, std::string_view whole) {
    return part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size();
}

void CheckLineParts(const ConfigLine& line) {
    switch (line.kind) {
    case ConfigLine::Kind::Head:
        Require(IsInside(line.name, line.text) && line.name.find(']') == std::string_view::npos,
                "a head's name is the bytes of its line before the first \"]\"");
        Require(line.closed ==
                    (line.name.data() + line.name.size() < line.text.data() + line.text.size()),
                "a head is closed exactly when its name ends before the line does");
        break;
    case ConfigLine::Kind::Key:
        Require(!line.key.empty() && IsInside(line.key, line.text) &&
                    IsInside(line.value, line.text),
                "a key line has a key and a value within the line");
        Require(line.key.data() + line.key.size() + 1 == line.value.data() &&
                    line.value.data() + line.value.size() == line.text.data() + line.text.size(),
                "a key ends at the \"=\" before its value, which runs to the line end");
        break;
    default:
        break;
    }
}

// ---- the checker's findings

bool HasFindingOn(const std::vector<LintFinding>& findings, std::size_t line) {
    for (const LintFinding& finding : findings) {
        if (finding.line == line)
            return true;
    }
    return false;
}

void CheckFindings(std::string_view text, const std::vector<ConfigLine>& lines, LintedText kind) {
    std::vector<LintFinding> findings = LintConfigText(text, kind);
    std::size_t previous = 1;
    for (const LintFinding& finding : findings) {
        Require(finding.line >= previous && finding.line <= lines.size(),
                "findings are sorted by line and name a line of the text");
        Require(!finding.message.empty(), "a finding says something");
        previous = finding.line;
    }
    std::string_view start = text.substr(0, 3);
    if (start.substr(0, 2) == "\xFF\xFE" || start.substr(0, 2) == "\xFE\xFF") {
        Require(findings.size() == 1 && findings[0].line == 1,
                "a UTF-16 text has its one finding, on line 1");
        return;
    }
    bool utf8Mark = start == "\xEF\xBB\xBF";
    Require(!utf8Mark || HasFindingOn(findings, 1), "a UTF-8 byte-order mark is reported");
    for (const ConfigLine& line : lines) {
        if (line.kind == ConfigLine::Kind::Head && !line.closed && !(utf8Mark && line.number == 1))
            Require(HasFindingOn(findings, line.number), "a head without \"]\" is reported");
    }
}

void CheckText(std::string_view text) {
    CSectionList all;
    ParseConfigText(all, text, "");
    CheckSections(all, "");
    for (std::string_view prefix : kPrefixes)
        CheckNarrowerPrefix(text, all, prefix);
    CheckAppends(text, all);

    for (std::string_view prefix : {std::string_view(""), std::string_view("isbn:")})
        CheckAgainstByteMachine(text, prefix);

    CheckNumberReading(text);
    for (const CConfigSection& section : all) {
        for (const auto& [key, value] : section.Values())
            CheckNumberReading(value);
    }

    std::vector<ConfigLine> lines;
    CConfigLineReader reader(text);
    for (ConfigLine line; reader.Next(line);)
        lines.push_back(line);
    CheckLineSplitting(text, lines);
    for (const ConfigLine& line : lines)
        CheckLineParts(line);
    CheckFindings(text, lines, LintedText::LinkConfiguration);
    CheckFindings(text, lines, LintedText::SystemLinks);
}

} // namespace

} // namespace tandrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The checker's findings are texts of the platform's string table.
    static tandrel::fuzz::FuzzPlatform platform;
    tandrel::CheckText(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
