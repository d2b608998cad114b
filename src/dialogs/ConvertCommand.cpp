#include "dialogs/ConvertCommand.h"

#include "common/NumberFormat.h"
#include "conversions/UnitRecognition.h"
#include "dialogs/DialogHost.h"
#include "resources/ResourceIds.h"
#include "runner/EntryRunner.h"

namespace tandrel {

Calculation Calculate(std::string_view amountBoxText, const CUnit* from, const CUnit* to) {
    if (!from || !to)
        return {Calculation::Outcome::kNoUnit, {}, {}};
    std::optional<double> amount = ReadAmount(amountBoxText);
    if (!amount)
        return {Calculation::Outcome::kNotANumber, {}, {}};
    return {Calculation::Outcome::kCalculated, FormatGeneral(*amount),
            ConversionResult(*amount, *from, *to)};
}

void RunConvertCommand(CPageContext& page, std::string_view helpEntry) {
    CUnitTable units = LoadUnitTable();
    RecognizedAmount recognized = RecognizeAmountAndUnit(page.GetSelection(), units);
    ConvertRequest request{units, std::move(recognized.amount), recognized.unit};
    if (CurrentDialogs().ShowConvert(request) == IDC_HELP_BUTTON)
        RunSystemEntry(page, helpEntry);
}

} // namespace tandrel
