// Reading a number from the start of a text, the way a "%lf" scan reads it but always with "."
// as the decimal point, whatever locale the host process has set. The one reader of this grammar:
// configuration values, the checker and the units all read numbers through it.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tandrel {

/// A number read from the start of a text, and where it ended.
struct LeadingDecimal {
    double value;
    std::size_t end; ///< index of the first byte after the number (its blanks and sign included)
};

/// The number at the start of text and where it ends, by the grammar of ReadLeadingDecimal;
/// none when no number can be read.
std::optional<LeadingDecimal> ScanLeadingDecimal(std::string_view text);

/// The decimal number at the start of text: blanks skipped, an optional sign, digits with an
/// optional "." fraction (at least one digit in all), and an optional exponent ("e" or "E", an
/// optional sign, digits); whatever follows is ignored, so "50%" gives 50. An "e" without digits
/// after it ends the number before it ("100em" gives 100). Hexadecimal forms, "inf" and "nan"
/// are not numbers here. A number too large for a double gives infinity, one too small zero.
/// None when no number can be read.
std::optional<double> ReadLeadingDecimal(std::string_view text);

} // namespace tandrel
