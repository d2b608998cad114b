// The person at the screen while the product runs: answers its dialogs and message boxes from
// prepared answers, never waits for anyone, and reports what the product showed, started and
// mailed. The product's module is watched through its imports (WatchModule); dialogs are seen
// through a thread-local hook and acted on from a timer that fires inside their modal loop, once
// they are shown.
#pragma once

#include "DialogActions.h"

#include <windows.h>

#include <mapi.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tandrel::standin {

struct StandInUserSettings {
    /// One answer per dialog or message box needing one, in that order; when none is left,
    /// Escape closes whatever opens.
    std::vector<DialogAnswer> answers;
    /// A PNG of each window as it opens ("NN-Caption.png"), and of a dialog just before the
    /// last action of an answer of several ("NN-Caption-answerN.png").
    std::optional<std::u16string> screenshotFolder;
    unsigned long mapiResult = MAPI_E_FAILURE; ///< what a watched module's MAPISendMail returns
    /// How long a window may take to be shown (visible and enabled) once it is waited for; one
    /// that takes longer is reported and ended with IDCANCEL.
    DWORD showWaitMs = 30000;
};

/// Answers the windows of the thread that creates it, until destroyed; one at a time. Each line
/// of what happened goes to `print` as it happens:
///   dialog "CAPTION"           a dialog opened, followed by its controls (see DescribeControls),
///                              which are described again before the last action of an answer
///   closed ID                  the dialog ended with EndDialog(ID), or the message box returned ID
///   message "CAPTION" "TEXT"   a message box opens
///   started "COMMAND LINE"     CreateProcessA (the real call follows)
///   mapi to="" cc="" bcc="" subject="" body=""   MAPISendMail (see DescribeMail)
/// A window is answered only when it is shown: visible and enabled. It is closed once destroyed
/// or ended; a message box, which ends inside the system, ends when it hides after it was shown.
class StandInUser {
public:
    using Printer = std::function<void(const std::string& line)>;
    StandInUser(StandInUserSettings settings, Printer print);
    ~StandInUser();
    StandInUser(const StandInUser&) = delete;
    StandInUser& operator=(const StandInUser&) = delete;

    /// What could not be done as asked: actions the dialog offered no way to do, windows that
    /// were never shown or would not close, screenshots that could not be written.
    const std::vector<std::string>& Problems() const { return problems_; }
    /// Answers no window took.
    std::size_t UnusedAnswers() const { return answers_.size(); }

    // The watched calls and the thread's window events; public for the hooks.
    void Activated(HWND window);
    void Destroyed(HWND window);
    void AnswerWaitingWindow();
    /// A heartbeat: the newest open window that is neither waiting for its turn nor being
    /// answered has lost its turn (its timer never fired); after two beats it gets it back.
    void GiveLostTurnBack();
    int ShowingMessageBox(const std::u16string& caption, const std::u16string& text,
                          const std::function<int()>& show);
    void EndingDialog(HWND dialog, INT_PTR result);
    void Starting(const std::u16string& commandLine);
    unsigned long Mailing(const MapiMessage* message);

private:
    struct Window {
        HWND handle = nullptr;
        bool messageBox = false;
        int order = 0;                      ///< 1 for the first window opened
        std::optional<DialogAnswer> answer; ///< none: Escape
        int answerNumber = 0;
        bool announced = false;
        bool seenShown = false; ///< it was seen visible and enabled
        bool ended = false;
        bool answering = false; ///< an answer of this window is being carried out
        int escapes = 0;
        int idleBeats = 0;     ///< heartbeats in a row that found it open and without a turn
        DWORD waitStarted = 0; ///< GetTickCount() when its turn was last given
        std::vector<std::string> controlsPrinted; ///< the control lines as last printed
    };

    /// Gives the window its turn: it is answered from a timer once it is shown.
    void Wait(Window& window);
    void TakeNextAnswer(Window& window);
    void Answer(Window& window);
    void Escape(Window& window);
    /// Prints the window's control lines unless they are the ones printed last for it.
    void PrintControlsIfChanged(Window& window);
    /// The window as it is now: as it opened, or with answer > 0 just before that answer's last
    /// action (when it has more than one).
    void Screenshot(const Window& window, int answer = 0);
    bool StillOpen(const Window& window) const;
    /// Reports a window that was not shown in time and ends it, so that the run goes on.
    void GiveUp(Window& window);
    /// Ends a window the user cannot close otherwise, with IDCANCEL.
    void ForceEnd(Window& window);
    void Problem(const Window& window, const std::string& what);

    Printer print_;
    std::deque<DialogAnswer> answers_;
    int answersTaken_ = 0;
    std::optional<std::u16string> screenshotFolder_;
    unsigned long mapiResult_;
    DWORD showWaitMs_;
    HHOOK hook_ = nullptr;
    UINT_PTR heartbeat_ = 0;
    std::map<HWND, std::shared_ptr<Window>> windows_;
    std::vector<HWND> waiting_; ///< the last one is the innermost modal window
    int opened_ = 0;
    bool messageBoxComing_ = false;
    std::vector<std::string> problems_;
};

/// Makes the module's calls to CreateProcessA, MessageBoxW, MessageBoxA and EndDialog reach the
/// current StandInUser (and then the system), its GetCursorPos give the held cursor during a
/// double-click (HeldCursor), and its GetProcAddress give a recorder for "MAPISendMail" (every
/// other name is forwarded). Returns the number of import entries changed.
int WatchModule(HMODULE module);

/// `mapi to="..." cc="..." bcc="..." subject="..." body="..."`: the recipients of each class
/// (address, or the name when there is none) joined by ";", the subject and note text; a class
/// without recipients and a missing text give nothing after the "=".
std::string DescribeMail(const MapiMessage& message);

} // namespace tandrel::standin
