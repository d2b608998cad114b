#include "common/NumberFormat.h"

#include <charconv>
#include <cmath>

namespace tandrel {

std::string FormatGeneral(double value) {
    if (std::isnan(value))
        return "nan";
    // std::to_chars rounds the exact binary value as "%.6g" does, with no locale and with the
    // same code on every platform, unlike printf, whose exponent width and rounding of ties
    // differ between C libraries. Only the exponent's width is left to adjust.
    char buffer[64];
    std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    std::string text(buffer, written.ptr);
    std::size_t e = text.find('e');
    if (e == std::string::npos || text.size() < e + 2)
        return text;
    std::size_t digits = text.size() - (e + 2); // after "e" and its sign
    if (digits < 3)
        text.insert(e + 2, 3 - digits, '0');
    return text;
}

} // namespace tandrel
