// Watches the modal dialog that one Click opens on this thread, stamps the moments it is
// initialised and ready, and then cancels it as a user pressing Escape would.
//
// Under Wine every call of a hook is a round trip to the Wine server, so the probe hooks only
// what is rare: no hook sees the messages the product sends to its controls (filling a list of
// two hundred currencies sends hundreds).
// - WH_CBT sees the dialog window being created, and the probe then posts a thread message (the
//   sentinel). The dialog's modal loop takes it first, once DialogBox has made the dialog and
//   WM_INITDIALOG has returned (the focus is then inside the dialog): that is "initialised".
// - WH_GETMESSAGE sees each message the modal loop takes (a few dozen). The probe keeps one
//   sentinel in the queue behind whatever the loop takes; posted messages come before paint
//   messages, so the sentinel is taken right after the previous message has been handled. When
//   it is taken with the dialog visible and nothing else queued (no posted, sent, input or paint
//   message), the dialog has been shown and painted and the loop is about to wait for the user:
//   that is "ready". The probe then posts WM_COMMAND IDCANCEL.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace tandrel::bench {

/// Performance-counter ticks now.
std::int64_t Now();
/// Milliseconds between two stamps.
double Milliseconds(std::int64_t from, std::int64_t to);

/// The time one message takes to post to this thread and take back, in microseconds: with a
/// probe on the thread and without, the difference is what one hook call costs.
double PostAndTakeMicroseconds();

class CDialogProbe {
public:
    /// Installs the hooks on the calling thread (one probe per thread).
    CDialogProbe();
    ~CDialogProbe();
    CDialogProbe(const CDialogProbe&) = delete;
    CDialogProbe& operator=(const CDialogProbe&) = delete;

    /// Before a Click: forget the last one, and start a safety timer that cancels a dialog that
    /// never becomes ready.
    void Arm();
    /// After the Click returned.
    void Disarm();

    /// Calls of the probe's hooks while the last dialog was watched: the probe's own cost is
    /// about this many times HookCallMicroseconds.
    int HookCalls() const { return hookCalls_; }

    /// Exactly one dialog opened, became ready and was cancelled by the probe.
    bool Succeeded() const;
    /// What went wrong, for the diagnostics; empty on success.
    std::string Problem() const;

    std::int64_t Initialised() const { return initialised_; }
    std::int64_t Ready() const { return ready_; }

private:
    enum class State { kIdle, kArmed, kWaitingForInit, kWaitingForReady, kClosing };

    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK OnGetMessage(int code, WPARAM wParam, LPARAM lParam);
    void DialogCreated(HWND dialog);
    void MessageTaken(MSG& message);
    void PostSentinel();
    static void Cancel(HWND dialog);

    HHOOK cbt_ = nullptr;
    HHOOK getMessage_ = nullptr;
    UINT sentinel_ = 0;
    UINT_PTR safetyTimer_ = 0;

    State state_ = State::kIdle;
    HWND dialog_ = nullptr;
    bool sentinelQueued_ = false;
    int dialogs_ = 0;
    int hookCalls_ = 0;
    bool timedOut_ = false;
    std::int64_t initialised_ = 0;
    std::int64_t ready_ = 0;
};

} // namespace tandrel::bench
