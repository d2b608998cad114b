// The conversion dialog (template 231): a category, an amount, the units to convert from and
// to, and Calculate as the default button, so that Enter converts and leaves the dialog open.
#pragma once

#include "dialogs/ConvertCommand.h"
#include "dialogs/win32/ComboBox.h"
#include "dialogs/win32/ModalDialog.h"
#include "resources/ResourceIds.h"

namespace tandrel {

class CAskConvertDlg : public CDialogImpl<CAskConvertDlg> {
public:
    static constexpr int kTemplateId = IDD_ASK_CONVERT;

    explicit CAskConvertDlg(const ConvertRequest& request) : request_(request) {}

private:
    friend class CDialogImpl<CAskConvertDlg>;

    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND && LOWORD(wParam) == IDC_CALCULATE) {
            OnCalculate();
            return TRUE;
        }
        if (message == WM_COMMAND && LOWORD(wParam) == IDC_CATEGORY &&
            HIWORD(wParam) == CBN_SELCHANGE) {
            ShowChoice(ChoiceOfCategory(ChosenComboItem<CUnitCategory>(Control(IDC_CATEGORY))));
            return TRUE;
        }
        return CDialogImpl::HandleMessage(message, wParam, lParam);
    }

    BOOL OnInitDialog();
    bool EndsDialog(int commandId) {
        return commandId == IDOK || commandId == IDCANCEL || commandId == IDC_HELP_BUTTON;
    }
    /// Both unit lists with the units of the choice's category, each at the choice's unit.
    void ShowChoice(const ConvertChoice& choice);
    void OnCalculate();

    const ConvertRequest& request_;
};

} // namespace tandrel
