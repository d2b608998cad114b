#include "dialogs/ConvertCommand.h"

#include "common/CharClass.h"
#include "common/NumberFormat.h"
#include "conversions/UnitRecognition.h"
#include "dialogs/DialogHost.h"
#include "resources/ResourceIds.h"
#include "runner/EntryRunner.h"

#include <algorithm>

namespace tandrel {

bool ListsBefore(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return ToAsciiLower(x) < ToAsciiLower(y);
    });
}

namespace {

// The items in the order a sorted list shows them; items of equal text in the order added.
template <typename Item> void SortAsListed(std::vector<const Item*>& items) {
    std::stable_sort(items.begin(), items.end(), [](const Item* a, const Item* b) {
        return ListsBefore(a->GetName(), b->GetName());
    });
}

} // namespace

std::vector<const CUnitCategory*> ListedCategories(const CUnitTable& units) {
    std::vector<const CUnitCategory*> listed;
    for (const auto& entry : units.Categories())
        listed.push_back(&entry.second);
    SortAsListed(listed);
    return listed;
}

std::vector<const CUnit*> ListedUnits(const CUnitCategory& category) {
    std::vector<const CUnit*> listed;
    for (const CUnit& unit : category.Units())
        listed.push_back(&unit);
    SortAsListed(listed);
    return listed;
}

ConvertChoice ChoiceOfCategory(const CUnitCategory* category) {
    ConvertChoice choice{category, nullptr, nullptr};
    if (category) {
        std::vector<const CUnit*> units = ListedUnits(*category);
        if (!units.empty())
            choice.from = choice.to = units.front();
    }
    return choice;
}

ConvertChoice InitialConvertChoice(const ConvertRequest& request) {
    if (request.unit) {
        ConvertChoice choice = ChoiceOfCategory(&request.unit->GetCategory());
        choice.from = request.unit;
        return choice;
    }
    std::vector<const CUnitCategory*> categories = ListedCategories(request.units);
    return ChoiceOfCategory(categories.empty() ? nullptr : categories.front());
}

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
