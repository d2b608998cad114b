#include "common/NumberFormat.h"

#include "common/CharConv.h"

#include <cmath>

namespace tandrel {

std::string FormatGeneral(double value) {
    if (std::isnan(value))
        return "nan";
    // WriteGeneral rounds the exact binary value as "%.6g" does, with no locale and with the
    // same result on every platform, unlike the platform's printf, whose exponent width and
    // rounding of ties differ between C libraries. Only the exponent's width is left to adjust.
    std::string text = WriteGeneral(value, 6);
    std::size_t e = text.find('e');
    if (e == std::string::npos || text.size() < e + 2)
        return text;
    std::size_t digits = text.size() - (e + 2); // after "e" and its sign
    if (digits < 3)
        text.insert(e + 2, 3 - digits, '0');
    return text;
}

} // namespace tandrel
