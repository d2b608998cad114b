#include "common/CharConv.h"

#include "common/CharClass.h"

#include <algorithm>
#include <cmath>

#ifdef TANDREL_FLOAT_CHARCONV_FALLBACK
#include <clocale>
#include <cstdio>
#include <cstdlib>
#else
#include <charconv>
#endif

namespace tandrel {

namespace {

// Whether text is exactly a number of the grammar ReadDecimal takes.
bool IsDecimalNumber(std::string_view text) {
    std::size_t pos = 0, digits = 0;
    auto skipDigits = [&] {
        std::size_t start = pos;
        while (pos < text.size() && IsAsciiDigit(text[pos]))
            ++pos;
        return pos - start;
    };
    digits += skipDigits();
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        digits += skipDigits();
    }
    if (digits == 0)
        return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        if (skipDigits() == 0)
            return false;
    }
    return pos == text.size();
}

#ifdef TANDREL_FLOAT_CHARCONV_FALLBACK

// Why the fallback gives what std::from_chars and std::to_chars give:
// - strtod and strtof round the decimal value once, correctly, to their type, ties to even in the
//   default rounding mode, for any number of digits: musl (emscripten's C library) computes
//   exactly, and so does glibc. strtof rounds the text to a float itself, never through a double.
// - What std::from_chars calls out of range is exactly what rounds to infinity or, from a number
//   with a non-zero digit, to zero: a subnormal result is in range for both.
// - "%.*g" writes the exact binary value rounded to the given significant digits, as
//   std::to_chars does in the general format; glibc and musl both round exactly, ties to even.
// - Both C functions read and write the locale's decimal point, which is swapped for ".".
// tests/numbers compares this with the standard library's results of a native build.

// The locale's decimal point, which the C library reads and writes in place of ".".
std::string_view DecimalPoint() {
    const char* point = std::localeconv()->decimal_point;
    return point && *point ? point : ".";
}

bool HasNonZeroDigit(std::string_view number) {
    std::string_view mantissa = number.substr(0, number.find_first_of("eE"));
    return mantissa.find_first_of("123456789") != std::string_view::npos;
}

template <typename T>
std::errc ReadWith(std::string_view number, T& value, T (*convert)(const char*, char**)) {
    if (!IsDecimalNumber(number))
        return std::errc::invalid_argument;
    std::string text(number);
    std::size_t point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, DecimalPoint());
    char* end = nullptr;
    T read = convert(text.c_str(), &end);
    if (end != text.c_str() + text.size())
        return std::errc::invalid_argument;
    if (std::isinf(read) || (read == 0 && HasNonZeroDigit(number)))
        return std::errc::result_out_of_range;
    value = read;
    return std::errc();
}

#else

template <typename T> std::errc ReadWith(std::string_view number, T& value) {
    if (!IsDecimalNumber(number))
        return std::errc::invalid_argument;
    std::from_chars_result result = std::from_chars(number.data(), number.data() + number.size(),
                                                    value, std::chars_format::general);
    return result.ec;
}

#endif

} // namespace

#ifdef TANDREL_FLOAT_CHARCONV_FALLBACK

std::errc ReadDecimal(std::string_view number, double& value) {
    return ReadWith<double>(number, value, std::strtod);
}

std::errc ReadDecimal(std::string_view number, float& value) {
    return ReadWith<float>(number, value, std::strtof);
}

std::string WriteGeneral(double value, int precision) {
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    char buffer[64];
    int length = std::snprintf(buffer, sizeof buffer, "%.*g", std::clamp(precision, 1, 17), value);
    std::string text(buffer, static_cast<std::size_t>(std::max(length, 0)));
    std::string_view point = DecimalPoint();
    std::size_t at = text.find(point);
    if (point != "." && at != std::string::npos)
        text.replace(at, point.size(), ".");
    return text;
}

#else

std::errc ReadDecimal(std::string_view number, double& value) {
    return ReadWith(number, value);
}

std::errc ReadDecimal(std::string_view number, float& value) {
    return ReadWith(number, value);
}

std::string WriteGeneral(double value, int precision) {
    char buffer[64];
    std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                      std::clamp(precision, 1, 17));
    return std::string(buffer, written.ptr);
}

#endif

} // namespace tandrel
