// The edit boxes of the dialogs, read and written as wide text, so that what a user types in any
// script reaches the command whole.
#pragma once

#include "common/win32/Handles.h"
#include "dialogs/SiteListDialog.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace tandrel {

/// Puts text into the dialog's edit box.
inline void WriteEditBox(HWND dialog, int id, std::u16string_view text) {
    SetDlgItemTextW(dialog, id, WideArgument(text).c_str());
}

/// The dialog's edit box's text, at most kEditBoxUnits - 1 UTF-16 units of it; empty when the box
/// is empty or cannot be read.
inline std::u16string ReadEditBox(HWND dialog, int id) {
    wchar_t typed[kEditBoxUnits] = {};
    UINT length = GetDlgItemTextW(dialog, id, typed, kEditBoxUnits);
    return std::u16string(reinterpret_cast<const char16_t*>(typed), length);
}

} // namespace tandrel
