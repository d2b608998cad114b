#include "dialogs/win32/Win32Dialogs.h"

#include "dialogs/win32/AboutDlg.h"

namespace tandrel {

int CWin32Dialogs::ShowAboutBox() {
    CAboutDlg dialog;
    return static_cast<int>(dialog.DoModal(module_));
}

} // namespace tandrel
