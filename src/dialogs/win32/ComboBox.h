// The few things the dialogs do with a combo box: add an item carrying an object, and read back
// the object of the chosen item.
#pragma once

#include <windows.h>

#include <string>

namespace tandrel {

/// Adds text (ANSI code page) with data attached where the list put it (a sorted list chooses
/// its place); the item's index, or a negative number when it could not be added.
inline LRESULT AddComboItem(HWND list, const std::string& text, const void* data) {
    LRESULT item = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (item >= 0)
        SendMessageA(list, CB_SETITEMDATA, static_cast<WPARAM>(item),
                     reinterpret_cast<LPARAM>(data));
    return item;
}

/// The object of the chosen item; null when no item is chosen.
template <typename T> const T* ChosenComboItem(HWND list) {
    LRESULT item = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (item == CB_ERR)
        return nullptr;
    LRESULT data = SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(item), 0);
    return data == CB_ERR ? nullptr : reinterpret_cast<const T*>(data);
}

/// Chooses item 0 when nothing is chosen yet.
inline void ChooseFirstIfNone(HWND list) {
    if (SendMessageA(list, CB_GETCURSEL, 0, 0) == CB_ERR)
        SendMessageA(list, CB_SETCURSEL, 0, 0);
}

} // namespace tandrel
