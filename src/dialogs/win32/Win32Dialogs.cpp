#include "dialogs/win32/Win32Dialogs.h"

#include "dialogs/win32/AboutDlg.h"
#include "dialogs/win32/AskDlg.h"
#include "dialogs/win32/ConvertDlg.h"
#include "dialogs/win32/CurrencyDlg.h"

namespace tandrel {

int CWin32Dialogs::ShowAboutBox() {
    CAboutDlg dialog;
    return static_cast<int>(dialog.DoModal(module_));
}

int CWin32Dialogs::ShowSiteList(SiteListRequest& request) {
    return RunAskDialog(module_, request);
}

int CWin32Dialogs::ShowCurrency(CurrencyRequest& request) {
    CAskCurrencyDlg dialog(module_, request);
    return static_cast<int>(dialog.DoModal(module_));
}

int CWin32Dialogs::ShowConvert(const ConvertRequest& request) {
    CAskConvertDlg dialog(request);
    return static_cast<int>(dialog.DoModal(module_));
}

} // namespace tandrel
