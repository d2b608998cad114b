#include "dialogs/win32/CurrencyDlg.h"

#include "common/Messages.h"
#include "common/TextConversion.h"
#include "dialogs/win32/ComboBox.h"
#include "resources/StringIds.h"

namespace tandrel {

namespace {
constexpr int kEditBoxBytes = 1024;
} // namespace

void CCurrencyList::Fill() {
    HWND list = GetDlgItem(owner_, controlId_);
    // Every text starts with its unique code, so the sorted list shows the table's order.
    for (const CCurrency* row = CurrenciesBegin(); row != CurrenciesEnd(); ++row) {
        LRESULT item =
            AddComboItem(list, std::string(row->code) + " " + std::string(row->name), row);
        if (item >= 0 && row == currency_)
            SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    }
}

void CCurrencyList::ReadBack() {
    if (const CCurrency* chosen = ChosenComboItem<CCurrency>(GetDlgItem(owner_, controlId_)))
        currency_ = chosen;
}

CAskCurrencyDlg::CAskCurrencyDlg(HMODULE module, CurrencyRequest& request)
    : request_(request), model_(*request.links), siteList_(module, model_),
      from_(handle_, IDC_FROM_CURRENCY, request.from), to_(handle_, IDC_TO_CURRENCY, request.to) {}

BOOL CAskCurrencyDlg::OnInitDialog() {
    handle_ = Window();
    SetDlgItemTextA(handle_, IDC_TEXT, WideToAnsi(request_.amount).c_str());
    siteList_.Init(handle_);
    from_.Fill();
    to_.Fill();
    return TRUE;
}

BOOL CAskCurrencyDlg::OnCommand(int id) {
    switch (id) {
    case IDOK:
        OnOk();
        return TRUE;
    case IDCANCEL:
    case IDC_HELP_BUTTON:
        End(id);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CAskCurrencyDlg::OnNotify(const NMHDR& header) {
    if (header.idFrom != IDC_SITE_LIST)
        return FALSE;
    switch (header.code) {
    case LVN_ITEMCHANGED:
        siteList_.OnItemChanged(handle_, reinterpret_cast<const NMLISTVIEW&>(header));
        return TRUE;
    case NM_DBLCLK:
        siteList_.OnDoubleClick(handle_);
        return TRUE;
    default:
        return FALSE;
    }
}

void CAskCurrencyDlg::OnOk() {
    std::u16string amount;
    char typed[kEditBoxBytes] = {};
    if (GetDlgItemTextA(handle_, IDC_TEXT, typed, kEditBoxBytes) > 0)
        amount = AnsiToWide(typed);
    from_.ReadBack();
    to_.ReadBack();
    OkOutcome outcome = CheckCurrencyOk(model_, amount);
    if (!outcome.accepted) {
        SetFocus(Control(outcome.focusControl));
        ShowMessageId(reinterpret_cast<WindowHandle>(handle_), outcome.messageId, ids::kProductName,
                      MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    request_.amount = amount;
    request_.from = from_.Currency();
    request_.to = to_.Currency();
    End(IDOK);
}

} // namespace tandrel
