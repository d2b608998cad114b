// The currency dialog (template 229): the amount, the from and to currencies, and the conversion
// sites. Each currency list ties one drop-down list to one currency.
#pragma once

#include "dialogs/CurrencyCommand.h"
#include "dialogs/win32/ModalDialog.h"
#include "dialogs/win32/SiteListView.h"
#include "resources/ResourceIds.h"

namespace tandrel {

/// One drop-down list of currencies: filled in table order ("CAD Canada, Dollars"), the given
/// currency selected; read back, the selected one (the given one when none is selected).
class CCurrencyList {
public:
    CCurrencyList(HWND& owner, int controlId, const CCurrency* currency)
        : owner_(owner), controlId_(controlId), currency_(currency) {}

    void Fill();
    void ReadBack();
    const CCurrency* Currency() const { return currency_; }

private:
    HWND& owner_;
    int controlId_;
    const CCurrency* currency_;
};

class CAskCurrencyDlg : public CDialogImpl<CAskCurrencyDlg> {
public:
    static constexpr int kTemplateId = IDD_ASK_CURRENCY;

    CAskCurrencyDlg(HMODULE module, CurrencyRequest& request);

private:
    friend class CDialogImpl<CAskCurrencyDlg>;

    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam));
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        default:
            return FALSE;
        }
    }

    BOOL OnInitDialog();
    BOOL OnCommand(int id);
    BOOL OnNotify(const NMHDR& header);
    void OnOk();

    CurrencyRequest& request_;
    HWND handle_ = nullptr; ///< the lists read the dialog's handle through this
    CSiteListModel model_;
    CSiteList siteList_;
    CCurrencyList from_;
    CCurrencyList to_;
};

} // namespace tandrel
