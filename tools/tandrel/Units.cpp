#include "ConfigText.h"
#include "Subcommands.h"

#include "common/Messages.h"
#include "common/TextConversion.h"
#include "conversions/UnitRecognition.h"
#include "page/PageContext.h"
#include "resources/StringIds.h"

#include <ostream>

namespace tandrel::tool {

namespace {

// The unit of the category whose name is the argument (UTF-8), or a usage error.
const CUnit& TargetUnit(const CUnitCategory& category, const std::string& utf8Name) {
    std::string name = WideToWindows1252(Utf8ToWide(utf8Name));
    for (const CUnit& unit : category.Units()) {
        if (unit.GetName() == name)
            return unit;
    }
    throw UsageError{"\"" + utf8Name + "\" is not a unit of the category " +
                     ConfigTextToUtf8(category.GetName())};
}

} // namespace

int RunUnits(ToolContext& context) {
    if (!context.arguments.empty())
        throw UsageError{"units takes no arguments"};
    CUnitTable table = LoadUnitTable();
    for (const auto& [name, category] : table.Categories()) {
        *context.out << ConfigTextToUtf8(name) << "\n";
        for (const CUnit& unit : category.Units())
            *context.out << "\t" << ConfigTextToUtf8(unit.GetName()) << "\n";
    }
    return table.Categories().empty() ? kExitNotFound : kExitSuccess;
}

int RunConvert(ToolContext& context) {
    if (context.arguments.size() > 1)
        throw UsageError{"convert takes at most one TO-UNIT"};
    CPageContext page;
    if (Failed(page.Load(context.frame)))
        return kExitNotFound;
    CUnitTable table = LoadUnitTable();
    RecognizedAmount recognized = RecognizeAmountAndUnit(page.GetSelection(), table);
    if (context.arguments.empty()) {
        *context.out << WideToUtf8(recognized.amount) << "\t"
                     << (recognized.unit ? ConfigTextToUtf8(recognized.unit->GetName()) : "")
                     << "\t"
                     << (recognized.unit
                             ? ConfigTextToUtf8(recognized.unit->GetCategory().GetName())
                             : "")
                     << "\n";
        return kExitSuccess;
    }
    if (!recognized.unit)
        throw UsageError{"no unit is recognised in the selection"};
    const CUnit& to = TargetUnit(recognized.unit->GetCategory(), context.arguments.front());
    std::optional<double> amount = ReadAmount(WideToAnsi(recognized.amount));
    if (!amount)
        throw UsageError{ConfigTextToUtf8(LoadText(ids::kAmountNotANumber))};
    *context.out << ConfigTextToUtf8(ConversionResult(*amount, *recognized.unit, to)) << "\n";
    return kExitSuccess;
}

} // namespace tandrel::tool
