// The frame shared by the dialogs over a site list with OK, Cancel and Help: the list's
// notifications go to the site list, Cancel and Help end the dialog with their own id, and OK goes
// to the derived class T, which supplies OnInitDialog() and OnOk() (and befriends this class).
#pragma once

#include "dialogs/SiteList.h"
#include "dialogs/win32/ModalDialog.h"
#include "dialogs/win32/SiteListView.h"
#include "resources/ResourceIds.h"

#include <commctrl.h>

namespace tandrel {

template <typename T> class CSiteListDlgImpl : public CDialogImpl<T> {
protected:
    CSiteListDlgImpl(HMODULE module, CLinkList& links) : model_(links), siteList_(module, model_) {}

    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case WM_INITDIALOG:
            return static_cast<T*>(this)->OnInitDialog();
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam));
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        default:
            return FALSE;
        }
    }

    CSiteListModel model_;
    CSiteList siteList_;

private:
    friend CDialogImpl<T>;

    BOOL OnCommand(int id) {
        switch (id) {
        case IDOK:
            static_cast<T*>(this)->OnOk();
            return TRUE;
        case IDCANCEL:
        case IDC_HELP_BUTTON:
            this->End(id);
            return TRUE;
        default:
            return FALSE;
        }
    }

    BOOL OnNotify(const NMHDR& header) {
        if (header.idFrom != IDC_SITE_LIST)
            return FALSE;
        switch (header.code) {
        case LVN_ITEMCHANGED:
            siteList_.OnItemChanged(this->Window(), reinterpret_cast<const NMLISTVIEW&>(header));
            return TRUE;
        case NM_DBLCLK:
            siteList_.OnDoubleClick(this->Window());
            return TRUE;
        default:
            return FALSE;
        }
    }
};

} // namespace tandrel
