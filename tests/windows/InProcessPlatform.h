// For tests that run the system's code inside the test program: the Win32 platform of this
// program (whose resources are the module's), with a recording user interface in place of
// message boxes and beeps.
#pragma once

#include "common/MemoryPlatform.h"
#include "common/win32/Win32Platform.h"
#include "dialogs/MemoryDialogs.h"

#include <gtest/gtest.h>

namespace tandrel::test {

/// The user's key of remembered choices, which the in-process tests clear around each test.
inline const wchar_t kChoicesKey[] = L"Software\\KVO\\Tandrel";

class InProcessTest : public ::testing::Test {
protected:
    InProcessTest() : win32_(GetModuleHandleW(nullptr)), installed_(View()) {}

    /// The recording user interface; by default it answers the work area as the system would.
    CMemoryUserInterface ui;
    /// Dialogs answered from a list, so that no window waits for a person.
    CMemoryDialogs dialogs;
    CWin32Platform& Win32() { return win32_; }

private:
    Platform View() {
        Platform view = win32_.View();
        view.ui = &ui;
        ui.workArea = win32Ui_.GetWorkArea();
        return view;
    }

    CWin32Platform win32_;
    CWin32UserInterface win32Ui_;
    ScopedPlatform installed_;
    ScopedDialogHost dialogsInstalled_{dialogs};
};

} // namespace tandrel::test
