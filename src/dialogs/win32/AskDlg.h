// The lookup dialogs: one class over each template, all sharing the site list and the message
// dispatch (SiteListDlgImpl.h). The templates with an edit box (222, 224, 226, 230) hold the text
// to confirm; the generic one (226) takes its group box and label texts from the command.
#pragma once

#include "dialogs/SiteListDialog.h"
#include "dialogs/win32/SiteListDlgImpl.h"

namespace tandrel {

/// A site-list dialog over template TemplateId; DoModal ends with 1 (OK), 2 (Cancel) or 9
/// (Help), and after OK the request holds the confirmed text.
template <int TemplateId> class CAskDlg : public CSiteListDlgImpl<CAskDlg<TemplateId>> {
public:
    static constexpr int kTemplateId = TemplateId;

    CAskDlg(HMODULE module, SiteListRequest& request)
        : CSiteListDlgImpl<CAskDlg<TemplateId>>(module, *request.links), request_(request) {}

private:
    friend CSiteListDlgImpl<CAskDlg<TemplateId>>;

    BOOL OnInitDialog();
    void OnOk();

    SiteListRequest& request_;
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
