#include "lint/LintValues.h"

#include "common/DecimalNumber.h"
#include "common/TextConversion.h"
#include "config/Link.h"
#include "config/MacroLetters.h"
#include "lint/LintVocabulary.h"
#include "resources/StringIds.h"

#include <algorithm>

namespace tandrel {

std::optional<std::string> FlagFinding(std::string_view written, std::string_view value,
                                       bool flagDefault) {
    if (value.empty() ||
        std::string_view("0FfNn1TtYy").find(value.front()) != std::string_view::npos)
        return std::nullopt;
    return FindingText(flagDefault ? ids::kLintFlagKeepsYes : ids::kLintFlagKeepsNo,
                       {Quote(value), written});
}

std::optional<std::string> DimensionFinding(std::string_view written, std::string_view value) {
    if (value.empty())
        return std::nullopt;
    std::optional<LeadingDecimal> number = ScanLeadingDecimal(value);
    std::string_view after = number ? value.substr(number->end) : value;
    if (number && (after.empty() || after.front() == '%')) {
        if (after.size() > 1) {
            return FindingText(ids::kLintTextAfterPercent, {Quote(value), written});
        }
        return std::nullopt;
    }
    return FindingText(ids::kLintDimensionUnread, {Quote(value), written, AsciiLower(written)});
}

std::optional<std::string> WindowNameFinding(std::string_view value) {
    if (!value.empty())
        return std::nullopt;
    return FindingText(ids::kLintEmptyWindowName);
}

std::optional<std::string> HrefFinding(std::string_view value) {
    if (StartsWithIgnoreAsciiCase(value, "javascript:"))
        return std::nullopt;
    for (std::size_t pos = value.find('!'); pos != std::string_view::npos && pos + 1 < value.size();
         pos = value.find('!', pos + 1)) {
        if (FindMacroLetter(value[pos + 1])) {
            return FindingText(ids::kLintMacroInHref, {Quote(value.substr(pos, 2))});
        }
    }
    return std::nullopt;
}

std::optional<std::string> CharsetFinding(std::string_view value) {
    if (value.empty() || ParseUrlCharset(value))
        return std::nullopt;
    return FindingText(ids::kLintUnknownCharset, {Quote(value)});
}

std::optional<std::string> CategoryFinding(std::string_view value) {
    if (value.empty() || (!IsBlank(value.front()) && !IsBlank(value.back())))
        return std::nullopt;
    return FindingText(ids::kLintCategoryBlanks,
                       {Quote(value), Quote(TrimTrailingBlanks(TrimLeadingBlanks(value)))});
}

std::optional<std::string> NumberFinding(std::string_view written, std::string_view value,
                                         std::string_view fallback) {
    if (value.empty())
        return std::nullopt;
    std::optional<LeadingDecimal> number = ScanLeadingDecimal(value);
    if (!number) {
        return FindingText(ids::kLintNoNumber, {Quote(value), written, fallback});
    }
    std::size_t end = number->end;
    std::string_view rest = value.substr(end);
    if (TrimTrailingBlanks(rest).empty())
        return std::nullopt;
    return FindingText(
        ids::kLintTextAfterNumber,
        {Quote(value), written, Quote(TrimLeadingBlanks(value.substr(0, end))), Quote(rest)});
}

// The first alias names the unit; a unit written after an amount is looked up with the blanks
// before it skipped, so an alias that begins with one is never found.
std::optional<std::string> AliasesFinding(std::string_view written, std::string_view value) {
    std::string_view first = value.substr(0, value.find(','));
    if (TrimLeadingBlanks(first).empty()) {
        return FindingText(ids::kLintBlankFirstAlias, {written});
    }
    std::string blankAliases;
    std::size_t begin = 0;
    while (begin <= value.size()) {
        std::size_t comma = std::min(value.find(',', begin), value.size());
        std::string_view alias = value.substr(begin, comma - begin);
        if (!alias.empty() && IsBlank(alias.front()) && !TrimLeadingBlanks(alias).empty())
            blankAliases += (blankAliases.empty() ? "" : ", ") + Quote(alias);
        begin = comma + 1;
    }
    if (blankAliases.empty())
        return std::nullopt;
    return FindingText(ids::kLintAliasAfterBlank, {written, blankAliases});
}

} // namespace tandrel
