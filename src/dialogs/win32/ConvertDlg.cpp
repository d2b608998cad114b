#include "dialogs/win32/ConvertDlg.h"

#include "common/Messages.h"
#include "common/Platform.h"
#include "common/TextConversion.h"
#include "dialogs/win32/ComboBox.h"
#include "dialogs/win32/EditBox.h"
#include "resources/StringIds.h"

namespace tandrel {

namespace {

// Empties list and adds the category's units (none without a category), choosing the item of
// unit when it is among them and item 0 otherwise.
void FillUnitList(HWND list, const CUnitCategory* category, const CUnit* unit) {
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    if (!category)
        return;
    for (const CUnit& each : category->Units()) {
        LRESULT item = AddComboItem(list, each.GetName(), &each);
        if (item >= 0 && &each == unit)
            SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    }
    ChooseFirstIfNone(list);
}

} // namespace

BOOL CAskConvertDlg::OnInitDialog() {
    WriteEditBox(Window(), IDC_TEXT, request_.amount);
    HWND categories = Control(IDC_CATEGORY);
    SendMessageA(categories, CB_RESETCONTENT, 0, 0);
    const CUnitCategory* chosen = request_.unit ? &request_.unit->GetCategory() : nullptr;
    for (const auto& [name, category] : request_.units.Categories()) {
        LRESULT item = AddComboItem(categories, category.GetName(), &category);
        if (item >= 0 && &category == chosen)
            SendMessageA(categories, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    }
    ChooseFirstIfNone(categories);
    FillUnitLists(request_.unit);
    return TRUE;
}

void CAskConvertDlg::FillUnitLists(const CUnit* unit) {
    const auto* category = ChosenComboItem<CUnitCategory>(Control(IDC_CATEGORY));
    FillUnitList(Control(IDC_FROM_UNIT), category, unit);
    FillUnitList(Control(IDC_TO_UNIT), category, nullptr);
}

void CAskConvertDlg::OnCalculate() {
    // The amount's grammar is ASCII: what the code page cannot hold is no part of a number.
    std::string typed = WideToAnsi(ReadEditBox(Window(), IDC_TEXT));
    Calculation calculation = Calculate(typed, ChosenComboItem<CUnit>(Control(IDC_FROM_UNIT)),
                                        ChosenComboItem<CUnit>(Control(IDC_TO_UNIT)));
    switch (calculation.outcome) {
    case Calculation::Outcome::kNoUnit:
        CurrentPlatform().ui->Beep(kMbIconExclamation);
        break;
    case Calculation::Outcome::kNotANumber:
        SetFocus(Control(IDC_TEXT));
        ShowMessageId(reinterpret_cast<WindowHandle>(Window()), ids::kAmountNotANumber,
                      ids::kProductName, MB_ICONEXCLAMATION | MB_OK);
        break;
    case Calculation::Outcome::kCalculated:
        WriteEditBox(Window(), IDC_TEXT, AnsiToWide(calculation.amountText));
        SetDlgItemTextA(Window(), IDC_RESULT, calculation.resultText.c_str());
        break;
    }
}

} // namespace tandrel
