#include "lint/LintValues.h"

#include "common/DecimalNumber.h"
#include "common/TextConversion.h"
#include "config/Link.h"
#include "lint/LintVocabulary.h"

#include <algorithm>

namespace tandrel {

std::optional<std::string> FlagFinding(std::string_view written, std::string_view value,
                                       bool flagDefault) {
    if (value.empty() ||
        std::string_view("0FfNn1TtYy").find(value.front()) != std::string_view::npos)
        return std::nullopt;
    return "the value " + Quote(value) + " of " + std::string(written) +
           " is neither yes nor no: the reader looks only at its first byte (1, T, Y mean yes; 0, "
           "F, N mean no), so the flag keeps its default, " +
           YesNo(flagDefault);
}

std::optional<std::string> DimensionFinding(std::string_view written, std::string_view value) {
    if (value.empty())
        return std::nullopt;
    std::optional<LeadingDecimal> number = ScanLeadingDecimal(value);
    std::string_view after = number ? value.substr(number->end) : value;
    if (number && (after.empty() || after.front() == '%')) {
        if (after.size() > 1) {
            return "the text after \"%\" in " + Quote(value) + " of " + std::string(written) +
                   " is ignored";
        }
        return std::nullopt;
    }
    return "the value " + Quote(value) + " of " + std::string(written) +
           " is not read, so the window gets no " + AsciiLower(written) +
           " from it: write a number of pixels (negative from the right or bottom edge) or a "
           "number and \"%\", with nothing between them";
}

std::optional<std::string> WindowNameFinding(std::string_view value) {
    if (!value.empty())
        return std::nullopt;
    return "windowName is empty: an empty value keeps the default window name, \"_blank\"";
}

std::optional<std::string> HrefFinding(std::string_view value) {
    if (StartsWithIgnoreAsciiCase(value, "javascript:"))
        return std::nullopt;
    constexpr std::string_view kMacroLetters = "CcDdFfHhIiLlOoSsTtUuWw";
    for (std::size_t pos = value.find('!'); pos != std::string_view::npos && pos + 1 < value.size();
         pos = value.find('!', pos + 1)) {
        if (kMacroLetters.find(value[pos + 1]) != std::string_view::npos) {
            return "href is never expanded: " + Quote(value.substr(pos, 2)) +
                   " reaches the page as written; use url for an address with macros";
        }
    }
    return std::nullopt;
}

std::optional<std::string> CharsetFinding(std::string_view value) {
    if (value.empty() || ParseUrlCharset(value))
        return std::nullopt;
    return "the value " + Quote(value) +
           " of URLCharset names no charset the reader knows, so the entry's values are encoded "
           "in windows-1252: write windows-1252 or utf-8";
}

std::optional<std::string> CategoryFinding(std::string_view value) {
    if (value.empty() || (!IsBlank(value.front()) && !IsBlank(value.back())))
        return std::nullopt;
    return "the category " + Quote(value) +
           " has blanks around it, which the reader keeps: it is a category of its own, not " +
           Quote(TrimTrailingBlanks(TrimLeadingBlanks(value)));
}

std::optional<std::string> NumberFinding(std::string_view written, std::string_view value,
                                         std::string_view fallback) {
    if (value.empty())
        return std::nullopt;
    std::optional<LeadingDecimal> number = ScanLeadingDecimal(value);
    if (!number) {
        return "the value " + Quote(value) + " of " + std::string(written) +
               " holds no number: the reader uses the default, " + std::string(fallback);
    }
    std::size_t end = number->end;
    std::string_view rest = value.substr(end);
    if (TrimTrailingBlanks(rest).empty())
        return std::nullopt;
    return "only the number at the start of " + Quote(value) + " is read for " +
           std::string(written) + ", " + Quote(TrimLeadingBlanks(value.substr(0, end))) +
           "; the rest, " + Quote(rest) + ", is ignored";
}

// The first alias names the unit; a unit written after an amount is looked up with the blanks
// before it skipped, so an alias that begins with one is never found.
std::optional<std::string> AliasesFinding(std::string_view written, std::string_view value) {
    std::string_view first = value.substr(0, value.find(','));
    if (TrimLeadingBlanks(first).empty()) {
        return "the first alias of " + std::string(written) +
               " is blank: the reader adds no unit for this line, and none of its aliases";
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
    return "in " + std::string(written) + ", " + blankAliases +
           " begins with a blank: a unit after an amount is looked up without the blanks before "
           "it, so that alias is never recognised";
}

} // namespace tandrel
