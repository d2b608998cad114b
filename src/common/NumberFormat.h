// Numbers written for people: the "%g" form with an exponent of at least three digits, the same
// text on every platform whatever its C library prints.
#pragma once

#include <string>

namespace tandrel {

/// The value as C's "%g" writes it: six significant digits, trailing zeros (and a trailing ".")
/// dropped, the exponent form when the decimal exponent after rounding is below -4 or at least 6.
/// The exponent is written as "e", its sign and at least three digits ("1e-005", "2.5e+007").
/// Infinities are "inf" and "-inf"; every NaN is "nan", whatever its sign bit.
std::string FormatGeneral(double value);

} // namespace tandrel
