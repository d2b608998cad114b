#include "DialogActions.h"

#include "StandInLog.h"
#include "StandInText.h"
#include "common/TextConversion.h"

#include <commctrl.h>

#include <cstdlib>

namespace tandrel::standin {

namespace {

bool IsClass(HWND window, const wchar_t* name) {
    wchar_t actual[64] = {};
    return GetClassNameW(window, actual, 64) > 0 && _wcsicmp(actual, name) == 0;
}

std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND FirstChildOf(HWND dialog, const wchar_t* className) {
    for (HWND child : Children(dialog)) {
        if (IsClass(child, className))
            return child;
    }
    return nullptr;
}

// A dialog control's id as the template gives it; a control without one (0xFFFF) gives -1.
long ControlId(HWND control) {
    auto id = static_cast<unsigned long>(GetWindowLongPtrW(control, GWLP_ID));
    return id == 0xFFFF || id == 0xFFFFFFFF ? -1L : static_cast<long>(id);
}

std::u16string ListItemText(HWND list, UINT lengthMessage, UINT textMessage, LRESULT index) {
    LRESULT length = SendMessageW(list, lengthMessage, index, 0);
    if (index < 0 || length < 0)
        return {};
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    SendMessageW(list, textMessage, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

std::u16string ListViewLabel(HWND list, int index) {
    wchar_t buffer[512] = {};
    LVITEMW item = {};
    item.iSubItem = 0;
    item.pszText = buffer;
    item.cchTextMax = 512;
    SendMessageW(list, LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
    return reinterpret_cast<const char16_t*>(buffer);
}

int ListViewCount(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

// The text a list or combo box shows as chosen; an editable combo box without a chosen item
// shows what was typed into it.
std::u16string ChosenText(HWND control, bool comboBox) {
    if (comboBox) {
        LRESULT chosen = SendMessageW(control, CB_GETCURSEL, 0, 0);
        return chosen == CB_ERR ? WindowText(control)
                                : ListItemText(control, CB_GETLBTEXTLEN, CB_GETLBTEXT, chosen);
    }
    return ListItemText(control, LB_GETTEXTLEN, LB_GETTEXT,
                        SendMessageW(control, LB_GETCURSEL, 0, 0));
}

std::u16string WithoutMnemonics(const std::u16string& text) {
    std::u16string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

std::string Quoted(const std::u16string& text) {
    return QuoteForLog(text);
}

bool Type(HWND dialog, const std::u16string& text, std::string& error) {
    HWND edit = FirstChildOf(dialog, L"Edit");
    if (!edit) {
        error = "no edit box";
        return false;
    }
    SetFocus(edit);
    SetWindowTextW(edit, Wide(text));
    return true;
}

// Under Wine a mouse move still queued from an earlier cursor move puts the cursor back where
// that move left it when the thread reads it (as a list view does while it handles a button);
// so queued moves are dropped and the input read until the cursor stays where it was put (on a
// busy machine the X server may take seconds to answer).
bool PlaceCursor(POINT screen) {
    constexpr DWORD kPlaceCursorMs = 30000;
    int stayed = 0;
    for (DWORD start = GetTickCount(); stayed < 2 && GetTickCount() - start < kPlaceCursorMs;) {
        SetCursorPos(screen.x, screen.y);
        MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, 0);
        MSG moved;
        while (PeekMessageW(&moved, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE))
            ;
        POINT now = {};
        GetCursorPos(&now);
        stayed = now.x == screen.x && now.y == screen.y ? stayed + 1 : 0;
    }
    return stayed >= 2;
}

std::optional<POINT> g_heldCursor;

// A mouse double-click on the entry: the cursor goes to the entry's centre, where the dialog
// looks for it, and the list view gets the button messages a double-click makes, so that it
// notifies its parent itself.
bool Toggle(HWND dialog, const std::u16string& label, std::string& error) {
    HWND list = FirstChildOf(dialog, WC_LISTVIEWW);
    if (!list) {
        error = "no list view";
        return false;
    }
    int index = 0;
    while (index < ListViewCount(list) && ListViewLabel(list, index) != label)
        ++index;
    if (index == ListViewCount(list)) {
        error = "no list view entry " + Quoted(label);
        return false;
    }
    SendMessageW(list, LVM_ENSUREVISIBLE, index, FALSE);
    RECT bounds = {};
    bounds.left = LVIR_BOUNDS;
    if (!SendMessageW(list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&bounds))) {
        error = "no place for list view entry " + Quoted(label);
        return false;
    }
    POINT client = {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    POINT screen = client;
    ClientToScreen(list, &screen);
    if (!PlaceCursor(screen)) {
        error = "the cursor does not stay over list view entry " + Quoted(label);
        return false;
    }
    LPARAM at = MAKELPARAM(client.x, client.y);
    g_heldCursor = screen;
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    g_heldCursor.reset();
    return true;
}

bool Choose(HWND dialog, int id, const std::u16string& text, std::string& error) {
    HWND control = GetDlgItem(dialog, id);
    bool comboBox = control && IsClass(control, L"ComboBox");
    if (!control || (!comboBox && !IsClass(control, L"ListBox"))) {
        error = "no list or combo box " + std::to_string(id);
        return false;
    }
    UINT countMessage = comboBox ? CB_GETCOUNT : LB_GETCOUNT;
    LRESULT count = SendMessageW(control, countMessage, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::u16string item = comboBox ? ListItemText(control, CB_GETLBTEXTLEN, CB_GETLBTEXT, i)
                                       : ListItemText(control, LB_GETTEXTLEN, LB_GETTEXT, i);
        if (item != text)
            continue;
        SetFocus(control);
        SendMessageW(control, comboBox ? CB_SETCURSEL : LB_SETCURSEL, i, 0);
        // Setting the selection by message notifies nobody; a user's choice does.
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, comboBox ? CBN_SELCHANGE : LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(control));
        return true;
    }
    error = "no item " + Quoted(text) + " in control " + std::to_string(id);
    return false;
}

bool Press(HWND dialog, const std::u16string& name, std::string& error) {
    for (HWND child : Children(dialog)) {
        if (!IsClass(child, L"Button") || WithoutMnemonics(WindowText(child)) != name)
            continue;
        if (!IsWindowEnabled(child) || !IsWindowVisible(child)) {
            error = "button " + Quoted(name) + " cannot be pressed";
            return false;
        }
        SendMessageW(child, BM_CLICK, 0, 0);
        return true;
    }
    // A dialog without a Cancel button is cancelled with the Escape key.
    if (name == u"Cancel") {
        PressEscape(dialog);
        return true;
    }
    error = "no button " + Quoted(name);
    return false;
}

} // namespace

std::optional<DialogAnswer> ParseDialogAnswer(std::u16string_view text, std::string& error) {
    static const struct {
        std::u16string_view verb;
        DialogAction::Kind kind;
    } kVerbs[] = {{u"type:", DialogAction::Kind::kType},
                  {u"toggle:", DialogAction::Kind::kToggle},
                  {u"choose:", DialogAction::Kind::kChoose},
                  {u"press:", DialogAction::Kind::kPress}};
    DialogAnswer answer;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(u';', start);
        if (end == std::u16string_view::npos)
            end = text.size();
        std::u16string_view part = text.substr(start, end - start);
        start = end + 1;
        if (part.empty())
            continue;
        DialogAction action;
        bool known = false;
        for (const auto& verb : kVerbs) {
            if (part.substr(0, verb.verb.size()) == verb.verb) {
                action.kind = verb.kind;
                action.text = std::u16string(part.substr(verb.verb.size()));
                known = true;
            }
        }
        if (!known) {
            error = "unknown action " + WideToUtf8(part) + " (type:, toggle:, choose:, press:)";
            return std::nullopt;
        }
        if (action.kind == DialogAction::Kind::kChoose) {
            size_t colon = action.text.find(u':');
            std::string id = WideToUtf8(action.text.substr(0, colon));
            char* rest = nullptr;
            long value = id.empty() ? 0 : std::strtol(id.c_str(), &rest, 10);
            if (colon == std::u16string::npos || id.empty() || *rest != '\0') {
                error = "choose wants ID:TEXT, not " + WideToUtf8(action.text);
                return std::nullopt;
            }
            action.control = static_cast<int>(value);
            action.text.erase(0, colon + 1);
        }
        answer.push_back(std::move(action));
    }
    return answer;
}

std::u16string DescribeAction(const DialogAction& action) {
    switch (action.kind) {
    case DialogAction::Kind::kType:
        return u"type:" + action.text;
    case DialogAction::Kind::kToggle:
        return u"toggle:" + action.text;
    case DialogAction::Kind::kChoose:
        return u"choose:" + Utf8ToWide(std::to_string(action.control)) + u":" + action.text;
    case DialogAction::Kind::kPress:
        break;
    }
    return u"press:" + action.text;
}

std::u16string WindowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    int copied = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

std::vector<std::string> DescribeControls(HWND dialog) {
    std::vector<std::string> lines;
    for (HWND child : Children(dialog)) {
        if (IsClass(child, WC_LISTVIEWW)) {
            for (int i = 0; i < ListViewCount(child); ++i) {
                auto state = SendMessageW(child, LVM_GETITEMSTATE, i, LVIS_STATEIMAGEMASK);
                bool ticked = (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
                lines.push_back("item " + Quoted(ListViewLabel(child, i)) +
                                (ticked ? " ticked" : " unticked"));
            }
            continue;
        }
        std::u16string text;
        // A picture's text names its resource, which is no text to show.
        LONG_PTR kind = GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK;
        bool picture = IsClass(child, L"Static") &&
                       (kind == SS_ICON || kind == SS_BITMAP || kind == SS_ENHMETAFILE);
        if (picture)
            text.clear();
        else if (IsClass(child, L"ComboBox"))
            text = ChosenText(child, true);
        else if (IsClass(child, L"ListBox"))
            text = ChosenText(child, false);
        else
            text = WindowText(child);
        lines.push_back("control " + std::to_string(ControlId(child)) + " " + Quoted(text));
    }
    return lines;
}

std::optional<POINT> HeldCursor() {
    return g_heldCursor;
}

bool CarryOut(HWND dialog, const DialogAction& action, std::string& error) {
    switch (action.kind) {
    case DialogAction::Kind::kType:
        return Type(dialog, action.text, error);
    case DialogAction::Kind::kToggle:
        return Toggle(dialog, action.text, error);
    case DialogAction::Kind::kChoose:
        return Choose(dialog, action.control, action.text, error);
    case DialogAction::Kind::kPress:
        break;
    }
    return Press(dialog, action.text, error);
}

void PressEscape(HWND dialog) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
}

} // namespace tandrel::standin
