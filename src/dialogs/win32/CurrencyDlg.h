// The currency dialog (template 229): the amount, the from and to currencies, and the conversion
// sites. Each currency list ties one drop-down list to one currency.
#pragma once

#include "dialogs/CurrencyCommand.h"
#include "dialogs/win32/SiteListDlgImpl.h"

namespace tandrel {

/// One drop-down list of currencies: filled in table order ("CAD Canada, Dollars"), the given
/// currency selected; read back, the selected one (the given one when none is selected).
class CCurrencyList {
public:
    CCurrencyList(int controlId, const CCurrency* currency)
        : controlId_(controlId), currency_(currency) {}

    void Fill(HWND dialog);
    void ReadBack(HWND dialog);
    const CCurrency* Currency() const { return currency_; }

private:
    int controlId_;
    const CCurrency* currency_;
};

class CAskCurrencyDlg : public CSiteListDlgImpl<CAskCurrencyDlg> {
public:
    static constexpr int kTemplateId = IDD_ASK_CURRENCY;

    CAskCurrencyDlg(HMODULE module, CurrencyRequest& request);

private:
    friend CSiteListDlgImpl<CAskCurrencyDlg>;

    BOOL OnInitDialog();
    void OnOk();

    CurrencyRequest& request_;
    CCurrencyList from_;
    CCurrencyList to_;
};

} // namespace tandrel
