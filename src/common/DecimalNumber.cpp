#include "common/DecimalNumber.h"

#include "common/CharClass.h"
#include "common/CharConv.h"

#include <algorithm>
#include <limits>

namespace tandrel {

namespace {

// The blanks a scan skips in the "C" locale.
bool IsScanBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Moves pos past a run of digits and returns how many there were.
std::size_t SkipDigits(std::string_view text, std::size_t& pos) {
    std::size_t start = pos;
    while (pos < text.size() && IsAsciiDigit(text[pos]))
        ++pos;
    return pos - start;
}

// Where an exponent starting at pos ends, or pos itself when no digits follow its "e".
std::size_t ExponentEnd(std::string_view text, std::size_t pos) {
    if (pos >= text.size() || (text[pos] != 'e' && text[pos] != 'E'))
        return pos;
    std::size_t end = pos + 1;
    if (end < text.size() && (text[end] == '+' || text[end] == '-'))
        ++end;
    return SkipDigits(text, end) > 0 ? end : pos;
}

// The decimal exponent of a number's leading significant digit plus one, saturated. A number the
// double cannot hold is too large when this is positive and too small otherwise.
long long LeadingMagnitude(std::string_view number) {
    constexpr long long kSaturation = 1000000000;
    std::size_t e = number.find_first_of("eE");
    std::string_view mantissa = number.substr(0, e);
    std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    std::size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos)
        return 0; // zero is always representable
    long long magnitude = first < point ? static_cast<long long>(point - first)
                                        : -static_cast<long long>(first - point - 1);
    if (e == std::string_view::npos)
        return magnitude;
    std::size_t pos = e + 1;
    bool negativeExponent = number[pos] == '-';
    if (number[pos] == '+' || number[pos] == '-')
        ++pos;
    long long exponent = 0;
    for (; pos < number.size() && exponent < kSaturation; ++pos)
        exponent = exponent * 10 + (number[pos] - '0');
    return magnitude + (negativeExponent ? -exponent : exponent);
}

} // namespace

std::optional<double> ReadLeadingDecimal(std::string_view text) {
    std::optional<LeadingDecimal> number = ScanLeadingDecimal(text);
    if (!number)
        return std::nullopt;
    return number->value;
}

std::optional<LeadingDecimal> ScanLeadingDecimal(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsScanBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::size_t start = pos;
    std::size_t digits = SkipDigits(text, pos);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        digits += SkipDigits(text, pos);
    }
    if (digits == 0)
        return std::nullopt;
    std::size_t end = ExponentEnd(text, pos);

    std::string_view number = text.substr(start, end - start);
    double value = 0.0;
    std::errc read = ReadDecimal(number, value);
    if (read == std::errc::result_out_of_range)
        value = LeadingMagnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    else if (read != std::errc())
        return std::nullopt;
    return LeadingDecimal{negative ? -value : value, end};
}

} // namespace tandrel
