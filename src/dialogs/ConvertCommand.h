// The unit conversion command: the amount and unit read from the selection, converted locally in
// the conversion dialog as often as the user likes. Nothing is opened but the help page.
#pragma once

#include "conversions/Units.h"
#include "page/PageContext.h"

#include <string>
#include <string_view>
#include <vector>

namespace tandrel {

/// One run of the conversion dialog: the table its lists are filled from and what the selection
/// held.
struct ConvertRequest {
    const CUnitTable& units;
    std::u16string amount;
    const CUnit* unit; ///< null: none recognised
};

/// What pressing Calculate does with the amount box's text and the two chosen units.
struct Calculation {
    enum class Outcome {
        kNoUnit,     ///< a unit list has no chosen item: only a warning beep
        kNotANumber, ///< the amount box does not start with a number: message and focus there
        kCalculated, ///< the amount box and the result box get new texts
    };
    Outcome outcome = Outcome::kNoUnit;
    std::string amountText; ///< the number read, written again ("7.5" for "  7.5 kg")
    std::string resultText; ///< "5 kilometres = 3.10686 miles", or why it cannot be calculated
};

/// Whether a sorted list of the dialog shows text a before text b: as text, without regard to
/// the case of ASCII letters.
bool ListsBefore(std::string_view a, std::string_view b);

/// The dialog's category list and a category's unit list, in the order they show.
std::vector<const CUnitCategory*> ListedCategories(const CUnitTable& units);
std::vector<const CUnit*> ListedUnits(const CUnitCategory& category);

/// What the dialog's three lists have chosen; null where a list has nothing.
struct ConvertChoice {
    const CUnitCategory* category = nullptr;
    const CUnit* from = nullptr;
    const CUnit* to = nullptr;
};

/// The choice as a category is chosen: both unit lists start at their first item.
ConvertChoice ChoiceOfCategory(const CUnitCategory* category);

/// The choice as the dialog opens: the recognised unit's category with the unit in From, else
/// the first category; To at its first item.
ConvertChoice InitialConvertChoice(const ConvertRequest& request);

/// Calculate over the amount box's text (ANSI code page) and the chosen units (null: none).
Calculation Calculate(std::string_view amountBoxText, const CUnit* from, const CUnit* to);

/// Runs the conversion command; Help opens helpEntry, every other end does nothing more.
void RunConvertCommand(CPageContext& page, std::string_view helpEntry);

} // namespace tandrel
