// The about box itself: it opens with the keyboard focus on OK and ends with the id of the button
// that closed it.
#include "InProcessPlatform.h"

#include "dialogs/AboutBox.h"
#include "dialogs/win32/Win32Dialogs.h"

namespace tandrel::test {
namespace {

HWND shownBox = nullptr;
int focusedControl = 0;

// Runs inside the box's modal loop: notes what has the focus, then presses Customization.
void CALLBACK LookAndPress(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    shownBox = GetActiveWindow();
    focusedControl = GetDlgCtrlID(GetFocus());
    PostMessageW(shownBox, WM_COMMAND, MAKEWPARAM(kAboutCustomization, BN_CLICKED), 0);
}

TEST(AboutBox, OpensWithOkFocusedAndEndsWithTheButtonPressed) {
    CWin32Dialogs dialogs(GetModuleHandleW(nullptr));
    SetTimer(nullptr, 0, 100, LookAndPress);
    EXPECT_EQ(dialogs.ShowAboutBox(), kAboutCustomization);
    ASSERT_NE(shownBox, nullptr);
    EXPECT_EQ(focusedControl, kAboutOk);
}

// GDI objects of this process: the system's count, or under Wine, whose count is a stub that
// answers 0, every index of the GDI handle table that holds an object (Wine takes the index alone
// for an object of this process).
DWORD GdiObjects() {
    if (DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
        return count;
    DWORD count = 0;
    for (ULONG_PTR index = 1; index < 0x10000; ++index) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)))
            ++count;
    }
    return count;
}

DWORD escapeArmed = 0;

// Presses Escape once the box is shown, and so painted (a pending paint goes before a timer), or
// after 30 s. A box closed before it was ever painted (a busy machine's timer may fire that early)
// would leave the objects that painting makes once per process to be counted at a later box.
void CALLBACK PressEscapeOnceShown(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = GetActiveWindow();
    if ((!box || !IsWindowVisible(box)) && GetTickCount() - escapeArmed < 30000)
        return; // it fires again
    KillTimer(nullptr, timer);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

TEST(AboutBox, LeavesNoGdiObjectBehind) {
    CWin32Dialogs dialogs(GetModuleHandleW(nullptr));
    auto showAndClose = [&dialogs] {
        escapeArmed = GetTickCount();
        SetTimer(nullptr, 0, 10, PressEscapeOnceShown);
        return dialogs.ShowAboutBox();
    };
    ASSERT_EQ(showAndClose(), IDCANCEL); // what is made once per process is made now
    const DWORD before = GdiObjects();
    ASSERT_NE(before, 0u);
    for (int box = 0; box < 3; ++box)
        ASSERT_EQ(showAndClose(), IDCANCEL);
    // The logo the box's static control loaded goes with the box.
    EXPECT_EQ(GdiObjects(), before);
}

} // namespace
} // namespace tandrel::test
