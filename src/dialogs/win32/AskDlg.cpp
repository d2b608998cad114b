#include "dialogs/win32/AskDlg.h"

#include "common/Messages.h"
#include "common/TextConversion.h"
#include "dialogs/win32/EditBox.h"
#include "resources/StringIds.h"

namespace tandrel {

template <int TemplateId> BOOL CAskDlg<TemplateId>::OnInitDialog() {
    HWND dialog = this->Window();
    if (request_.text)
        WriteEditBox(dialog, IDC_TEXT, *request_.text);
    this->siteList_.Init(dialog);
    if (request_.captionId)
        SetDlgItemTextA(dialog, IDC_TEXT_GROUP, LoadText(request_.captionId).c_str());
    if (request_.labelId)
        SetDlgItemTextA(dialog, IDC_LIST_LABEL, LoadText(request_.labelId).c_str());
    return TRUE;
}

template <int TemplateId> void CAskDlg<TemplateId>::OnOk() {
    std::u16string text;
    if (request_.text)
        text = ReadEditBox(this->Window(), IDC_TEXT);
    OkOutcome outcome = CheckOk(request_, this->model_, text);
    if (outcome.accepted) {
        if (request_.text)
            request_.text = text;
        this->End(IDOK);
        return;
    }
    SetFocus(this->Control(outcome.focusControl));
    ShowMessageId(reinterpret_cast<WindowHandle>(this->Window()), outcome.messageId,
                  ids::kProductName, MB_ICONEXCLAMATION | MB_OK);
}

namespace {

template <int TemplateId> int Run(HMODULE module, SiteListRequest& request) {
    CAskDlg<TemplateId> dialog(module, request);
    return static_cast<int>(dialog.DoModal(module));
}

} // namespace

int RunAskDialog(HMODULE module, SiteListRequest& request) {
    switch (request.templateId) {
    case IDD_ASK_ISBN:
        return Run<IDD_ASK_ISBN>(module, request);
    case IDD_ASK_UPC:
        return Run<IDD_ASK_UPC>(module, request);
    case IDD_ASK_OTHER:
        return Run<IDD_ASK_OTHER>(module, request);
    case IDD_ASK_TRANSLATE:
        return Run<IDD_ASK_TRANSLATE>(module, request);
    case IDD_ASK_EMAIL:
        return Run<IDD_ASK_EMAIL>(module, request);
    case IDD_ASK_STOCK:
        return Run<IDD_ASK_STOCK>(module, request);
    case IDD_ASK_URL:
        return Run<IDD_ASK_URL>(module, request);
    default:
        return -1;
    }
}

} // namespace tandrel
