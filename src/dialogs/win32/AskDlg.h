// The lookup dialogs: one class over each template, all sharing the site list and the message
// dispatch. The templates with an edit box (222, 224, 226, 230) hold the text to confirm; the
// generic one (226) takes its group box and label texts from the command.
#pragma once

#include "dialogs/SiteListDialog.h"
#include "dialogs/win32/ModalDialog.h"
#include "dialogs/win32/SiteListView.h"
#include "resources/ResourceIds.h"

namespace tandrel {

/// A site-list dialog over template TemplateId; DoModal ends with 1 (OK), 2 (Cancel) or 9
/// (Help), and after OK the request holds the confirmed text.
template <int TemplateId> class CAskDlg : public CDialogImpl<CAskDlg<TemplateId>> {
public:
    static constexpr int kTemplateId = TemplateId;

    CAskDlg(HMODULE module, SiteListRequest& request)
        : request_(request), model_(*request.links), siteList_(module, model_) {}

private:
    using Base = CDialogImpl<CAskDlg<TemplateId>>;
    friend Base;

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

    SiteListRequest& request_;
    CSiteListModel model_;
    CSiteList siteList_;
};

using CAskISBNDlg = CAskDlg<IDD_ASK_ISBN>;
using CAskUPCDlg = CAskDlg<IDD_ASK_UPC>;
using CAskStockDlg = CAskDlg<IDD_ASK_STOCK>;
using CAskOtherDlg226 = CAskDlg<IDD_ASK_OTHER>;
using CAskEmailDlg = CAskDlg<IDD_ASK_EMAIL>;
using CAskTranslateDlg = CAskDlg<IDD_ASK_TRANSLATE>;
using CAskURLDlg = CAskDlg<IDD_ASK_URL>;

/// Runs the dialog of the request's template; -1 when the template is none of the above.
int RunAskDialog(HMODULE module, SiteListRequest& request);

} // namespace tandrel
