#include "dialogs/win32/CurrencyDlg.h"

#include "common/Messages.h"
#include "common/TextConversion.h"
#include "dialogs/win32/ComboBox.h"
#include "dialogs/win32/EditBox.h"
#include "resources/StringIds.h"

namespace tandrel {

void CCurrencyList::Fill(HWND dialog) {
    HWND list = GetDlgItem(dialog, controlId_);
    // Every text starts with its unique code, so the sorted list shows the table's order.
    for (const CCurrency* row = CurrenciesBegin(); row != CurrenciesEnd(); ++row) {
        LRESULT item =
            AddComboItem(list, std::string(row->code) + " " + std::string(row->name), row);
        if (item >= 0 && row == currency_)
            SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    }
}

void CCurrencyList::ReadBack(HWND dialog) {
    if (const CCurrency* chosen = ChosenComboItem<CCurrency>(GetDlgItem(dialog, controlId_)))
        currency_ = chosen;
}

CAskCurrencyDlg::CAskCurrencyDlg(HMODULE module, CurrencyRequest& request)
    : CSiteListDlgImpl(module, *request.links), request_(request),
      from_(IDC_FROM_CURRENCY, request.from), to_(IDC_TO_CURRENCY, request.to) {}

BOOL CAskCurrencyDlg::OnInitDialog() {
    WriteEditBox(Window(), IDC_TEXT, request_.amount);
    siteList_.Init(Window());
    from_.Fill(Window());
    to_.Fill(Window());
    return TRUE;
}

void CAskCurrencyDlg::OnOk() {
    std::u16string amount = ReadEditBox(Window(), IDC_TEXT);
    from_.ReadBack(Window());
    to_.ReadBack(Window());
    OkOutcome outcome = CheckCurrencyOk(model_, amount);
    if (!outcome.accepted) {
        SetFocus(Control(outcome.focusControl));
        ShowMessageId(reinterpret_cast<WindowHandle>(Window()), outcome.messageId,
                      ids::kProductName, MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    request_.amount = amount;
    request_.from = from_.Currency();
    request_.to = to_.Currency();
    End(IDOK);
}

} // namespace tandrel
