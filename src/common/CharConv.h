// The floating-point conversions of <charconv>, through one door: the standard library's where it
// has them, else a fallback on the C library with the same results (emscripten's libc++ lacks
// them). Whether the library has them is found by a compile check of the build, which defines
// TANDREL_FLOAT_CHARCONV_FALLBACK when it does not.
#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace tandrel {

/// Reads number, which must be a decimal number and nothing else (digits with an optional "."
/// fraction, at least one digit in all, and an optional exponent: "e" or "E", an optional sign,
/// digits; no sign, no blanks), into value: the decimal value rounded once to the nearest value
/// of the type, a tie to the even one, as std::from_chars does. A non-zero number that rounds to
/// zero or beyond the largest finite value gives std::errc::result_out_of_range and leaves value
/// as it was; any other text gives std::errc::invalid_argument.
std::errc ReadDecimal(std::string_view number, double& value);

/// The same for single precision: the text rounded once to the nearest float, never through a
/// double (which would round twice).
std::errc ReadDecimal(std::string_view number, float& value);

/// The value as std::to_chars writes it in the general format with the given number of
/// significant digits (held within 1 to 17): C's "%.*g" in the "C" locale ("0.1", "1e+06", "-0",
/// "inf", "-nan").
std::string WriteGeneral(double value, int precision);

} // namespace tandrel
