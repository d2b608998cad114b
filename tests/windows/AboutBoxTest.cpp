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

} // namespace
} // namespace tandrel::test
