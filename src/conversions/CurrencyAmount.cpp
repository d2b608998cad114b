#include "conversions/Currency.h"

#include "common/CharClass.h"

#include <optional>

namespace tandrel {

namespace {

bool IsSeparator(char16_t c) {
    return c == u'.' || c == u',';
}

// Which separator of the run is the decimal point; none when every separator groups thousands.
std::optional<char16_t> DecimalSeparator(std::u16string_view run) {
    std::size_t points = 0, commas = 0, last = std::u16string_view::npos;
    for (std::size_t at = 0; at < run.size(); ++at) {
        if (!IsSeparator(run[at]))
            continue;
        (run[at] == u'.' ? points : commas) += 1;
        last = at;
    }
    if (points + commas == 0)
        return std::nullopt;
    if (points > 0 && commas > 0)
        return run[last];
    // One character repeated and the other never used: grouped thousands, as in 1,234,567.
    if (points + commas > 1)
        return std::nullopt;
    std::size_t following = run.size() - last - 1;
    if (following == 3)
        return std::nullopt;
    if (following == 2)
        return run[last];
    return u'.';
}

} // namespace

std::u16string ReadCurrencyAmount(std::u16string_view text) {
    std::size_t start = 0;
    while (start < text.size() && !IsAsciiDigit(text[start]))
        ++start;
    if (start == text.size())
        return u"1.00";
    std::size_t end = start;
    while (end < text.size() && (IsAsciiDigit(text[end]) || IsSeparator(text[end])))
        ++end;
    std::u16string_view run = text.substr(start, end - start);

    std::optional<char16_t> decimal = DecimalSeparator(run);
    std::u16string amount;
    bool pointWritten = false;
    for (char16_t c : run) {
        if (IsAsciiDigit(c)) {
            amount += c;
        } else if (decimal && c == *decimal) {
            if (pointWritten)
                break;
            amount += u'.';
            pointWritten = true;
        }
    }
    return amount;
}

} // namespace tandrel
