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

void CAboutDlg::ReleaseLogo() {
    // The logo's static control loaded the bitmap from the template. Windows deletes such an
    // image with the control, Wine's static control never does; and once STM_SETIMAGE has been
    // sent to it, no system does. So the box takes the image back and deletes it itself.
    for (HWND child = GetWindow(Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        if (lstrcmpiW(className, L"Static") != 0 ||
            (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP)
            continue;
        auto logo = reinterpret_cast<HBITMAP>(SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, 0));
        if (logo)
            DeleteObject(logo);
    }
}

} // namespace tandrel
