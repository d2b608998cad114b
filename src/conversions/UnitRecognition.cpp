#include "conversions/UnitRecognition.h"

#include "common/CharClass.h"
#include "common/DecimalNumber.h"
#include "common/Messages.h"
#include "common/NumberFormat.h"
#include "common/TextConversion.h"
#include "resources/StringIds.h"

#include <stdexcept>

namespace tandrel {

namespace {

// The characters a decimal number can be made of; the number ends before any other.
bool IsNumberCharacter(char16_t c) {
    return IsAsciiDigit(c) || c == u'.' || c == u'+' || c == u'-' || c == u'e' || c == u'E';
}

bool IsUnitBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

std::u16string Widen(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

// The unit text after the number, given the text from the number's start and the character
// that follows the number; empty when only blanks are left.
std::u16string_view UnitText(std::u16string_view fromNumber, char16_t following) {
    std::size_t at = fromNumber.find(following);
    while (at < fromNumber.size() && IsUnitBlank(fromNumber[at]))
        ++at;
    if (at >= fromNumber.size())
        return {};
    if (fromNumber[at] != u'(')
        return fromNumber.substr(at);
    std::size_t open = at + 1;
    std::size_t close = fromNumber.find(u')', open);
    return fromNumber.substr(open, close == std::u16string_view::npos ? close : close - open);
}

} // namespace

RecognizedAmount RecognizeAmountAndUnit(std::u16string_view selection, const CUnitTable& table) {
    RecognizedAmount recognized{u"1", nullptr};
    std::size_t start = 0;
    while (start < selection.size() && !IsAsciiDigit(selection[start]))
        ++start;
    if (start == selection.size())
        return recognized;
    if (start > 0 && selection[start - 1] == u'.')
        --start;
    if (start > 0 && selection[start - 1] == u'-')
        --start;
    std::u16string_view fromNumber = selection.substr(start);

    // The number's characters are ASCII, one byte each, so its end is the same index in both.
    std::string number;
    for (std::size_t i = 0; i < fromNumber.size() && IsNumberCharacter(fromNumber[i]); ++i)
        number += static_cast<char>(fromNumber[i]);
    std::optional<LeadingDecimal> scanned = ScanLeadingDecimal(number);
    if (!scanned)
        return recognized;
    recognized.amount = Widen(FormatGeneral(scanned->value));
    if (scanned->end >= fromNumber.size())
        return recognized;

    std::u16string_view unitText = UnitText(fromNumber, fromNumber[scanned->end]);
    if (!unitText.empty())
        recognized.unit = table.FindUnit(WideToAnsi(unitText));
    return recognized;
}

std::optional<double> ReadAmount(std::string_view amountBoxText) {
    return ReadLeadingDecimal(amountBoxText);
}

std::string ConversionResult(double amount, const CUnit& from, const CUnit& to) {
    try {
        double converted = ConvertUnits(amount, from, to);
        return FormatGeneral(amount) + " " + from.GetName() + " = " + FormatGeneral(converted) +
               " " + to.GetName();
    } catch (const std::range_error& error) {
        return FormatText(ids::kCannotCalculate, {std::string(error.what())});
    } catch (...) {
        return FormatText(ids::kCannotCalculate, {std::string()});
    }
}

} // namespace tandrel
