// The amount and unit of a selection for the "=>Convert" command, and the text of its answer.
#pragma once

#include "conversions/Units.h"

#include <optional>
#include <string>
#include <string_view>

namespace tandrel {

/// An amount as the Convert dialog shows it, and the unit recognised after it (null for none).
struct RecognizedAmount {
    std::u16string amount;
    const CUnit* unit = nullptr;
};

/// The amount and unit of a selection. The number starts at the first digit, or at the "." and
/// then the "-" just before it, and is read as a "%lf" scan reads it (ScanLeadingDecimal). The
/// unit text starts at the first occurrence, from the number's start, of the character that
/// follows the number (which may lie inside the number: "5.5.5 m" looks for a unit in
/// ".5.5 m"); blanks, tabs and line breaks there are skipped; "(" gives the text up to the next
/// ")", or to the end when there is none; otherwise the unit text runs to the end. The unit is
/// the table's FindUnit of that text in the ANSI code page. The amount is FormatGeneral of the
/// number, or "1" when the selection holds no digit.
RecognizedAmount RecognizeAmountAndUnit(std::u16string_view selection, const CUnitTable& table);

/// The number the user typed in the amount box: blanks skipped, the decimal number, anything
/// after it ignored; none when the text does not start with a number.
std::optional<double> ReadAmount(std::string_view amountBoxText);

/// "5 kilometres = 3.10686 miles" (ANSI code page), or the text of ids::kCannotCalculate with
/// the reason when the conversion divides by zero.
std::string ConversionResult(double amount, const CUnit& from, const CUnit& to);

} // namespace tandrel
