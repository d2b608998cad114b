// standin_probe.dll: a small module that behaves towards the user as the product does, so that
// the stand-in's user can be tested without it. It shows a dialog from a template (an edit box,
// a combo box, a list view of ticked entries, OK, Cancel and Help), message boxes, starts
// programs with CreateProcessA and sends mail through Simple MAPI. It is also a COM class whose
// object answers Click(window, keyword, text, unused) like the product's, for tests of
// standin.exe under a menu page's script.
#pragma once

#define IDD_PROBE 100
#define IDC_PROBE_NAME 101
#define IDC_PROBE_KIND 102
#define IDC_PROBE_SITES 103
#define IDC_PROBE_HELP 104

#ifndef RC_INVOKED

#include <windows.h>

/// {6B0E3C51-93A4-4E2D-B7F1-2C85D04A9E36}: the class the probe's object belongs to.
#define STANDIN_PROBE_CLSID_TEXT L"{6B0E3C51-93A4-4E2D-B7F1-2C85D04A9E36}"

/// What the dialog had when OK ended it.
struct ProbeDialogOutcome {
    wchar_t typed[64];  ///< the edit box
    wchar_t chosen[64]; ///< the combo box's chosen item
    int kindChanges;    ///< selection-change notifications of the combo box
    unsigned ticked;    ///< bit i: list view entry i has state image 2
    int helpAnswer;     ///< what the help message box returned (0: not shown)
    SIZE size;          ///< the dialog window's size
};

extern "C" {
/// Shows the dialog (DialogBoxParamW, no owner) and returns what ended it. OK is refused with a
/// message box (owned by the dialog) while the edit box is empty; Help asks a Yes/No question
/// (owned by the desktop) and ends the dialog with IDC_PROBE_HELP on Yes. The entries start
/// "Alpha Books" ticked, "Beta Films" unticked, "Gamma \"Music\"" ticked; a double-click
/// toggles the entry under the cursor.
INT_PTR ProbeDialog(ProbeDialogOutcome* outcome);
/// ProbeDialog as a slow machine shows it: the dialog's message queue stays busy for `busyMs`
/// after WM_INITDIALOG, so that it is shown that much later and after any timer of the thread
/// that fell due meanwhile; with `enabled` FALSE it is then disabled and never ready for a user.
INT_PTR ProbeLateDialog(DWORD busyMs, BOOL enabled, ProbeDialogOutcome* outcome);
/// MessageBoxW owned by the desktop window.
int ProbeMessage(const wchar_t* caption, const wchar_t* text, UINT type);
/// CreateProcessA of the command line; the program's exit code, or ~0u when it did not start.
DWORD ProbeStart(const char* commandLine);
/// MAPISendMail through LoadLibraryA("MAPI32.DLL") and GetProcAddress, with one recipient of
/// each class given (null: none); its result, or ~0ul when the function cannot be found.
ULONG ProbeMail(const char* to, const char* cc, const char* bcc, const char* subject,
                const char* body);
/// GetProcAddress as the module calls it.
FARPROC ProbeLookup(HMODULE module, const char* name);
}

#endif
