// The small framework every dialog of the module derives from: one modal dialog over its own
// template, created without owner, its messages handed to the derived class.
//
// A derived class T names its template (static constexpr int kTemplateId) and may hide:
//   BOOL OnInitDialog()           -- after the controls exist; TRUE lets the system set the focus;
//   bool EndsDialog(int commandId) -- the buttons that end the dialog with their own id (by
//                                    default OK and Cancel; Escape and the close box send Cancel);
//   INT_PTR HandleMessage(UINT, WPARAM, LPARAM) -- the message dispatch, read like a table of
//                                    contents; it falls back to this base's for what it leaves.
#pragma once

#include <windows.h>

namespace tandrel {

template <typename T> class CDialogImpl {
public:
    /// Runs the dialog modally from the template in module; the id it ended with, or -1 when the
    /// template could not be made into a dialog.
    INT_PTR DoModal(HMODULE module) {
        return DialogBoxParamW(module, MAKEINTRESOURCEW(T::kTemplateId), nullptr, &DialogProc,
                               reinterpret_cast<LPARAM>(static_cast<T*>(this)));
    }

protected:
    HWND Window() const { return window_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    void End(int result) { EndDialog(window_, result); }

    BOOL OnInitDialog() { return TRUE; }
    bool EndsDialog(int commandId) { return commandId == IDOK || commandId == IDCANCEL; }

    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM) {
        T& self = *static_cast<T*>(this);
        switch (message) {
        case WM_INITDIALOG:
            return self.OnInitDialog();
        case WM_COMMAND:
            if (!self.EndsDialog(LOWORD(wParam)))
                return FALSE;
            End(LOWORD(wParam));
            return TRUE;
        default:
            return FALSE;
        }
    }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(window, DWLP_USER, lParam);
            // Through the base, so that a member of the same name in T cannot take the handle.
            static_cast<CDialogImpl*>(reinterpret_cast<T*>(lParam))->window_ = window;
        }
        auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, DWLP_USER));
        return self ? self->HandleMessage(message, wParam, lParam) : FALSE;
    }

    HWND window_ = nullptr;
};

} // namespace tandrel
