// The about box (template 105): the product, its version and logo, and buttons into the help
// index, the customisation help and the home page. It only reports which button closed it.
#pragma once

#include "dialogs/win32/ModalDialog.h"
#include "resources/ResourceIds.h"

namespace tandrel {

class CAboutDlg : public CDialogImpl<CAboutDlg> {
public:
    static constexpr int kTemplateId = IDD_ABOUT;

private:
    friend class CDialogImpl<CAboutDlg>;

    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_DESTROY)
            ReleaseLogo();
        return CDialogImpl::HandleMessage(message, wParam, lParam);
    }

    BOOL OnInitDialog();
    bool EndsDialog(int commandId);
    /// Takes the logo from its control and deletes it, while the control still exists.
    void ReleaseLogo();
};

} // namespace tandrel
