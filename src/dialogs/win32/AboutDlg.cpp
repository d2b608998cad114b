#include "dialogs/win32/AboutDlg.h"

namespace tandrel {

BOOL CAboutDlg::OnInitDialog() {
    SetFocus(Control(IDOK));
    return FALSE; // the focus is set
}

bool CAboutDlg::EndsDialog(int commandId) {
    switch (commandId) {
    case IDOK:
    case IDCANCEL:
    case IDC_ABOUT_HELP:
    case IDC_ABOUT_CUSTOMIZATION:
    case IDC_ABOUT_HOME_PAGE:
        return true;
    default:
        return false;
    }
}

} // namespace tandrel
