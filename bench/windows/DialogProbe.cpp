#include "DialogProbe.h"

namespace tandrel::bench {

namespace {

// A dialog that is not ready after this long is cancelled and the run counted as failed.
constexpr UINT kSafetyMilliseconds = 5000;

// The probe of this thread, for the hook procedures.
thread_local CDialogProbe* current = nullptr;

std::int64_t Frequency() {
    static const std::int64_t frequency = [] {
        LARGE_INTEGER value = {};
        QueryPerformanceFrequency(&value);
        return value.QuadPart;
    }();
    return frequency;
}

} // namespace

std::int64_t Now() {
    LARGE_INTEGER value = {};
    QueryPerformanceCounter(&value);
    return value.QuadPart;
}

double Milliseconds(std::int64_t from, std::int64_t to) {
    return static_cast<double>(to - from) * 1000.0 / static_cast<double>(Frequency());
}

double PostAndTakeMicroseconds() {
    constexpr int kMessages = 2000;
    const UINT message = RegisterWindowMessageW(L"Veltrane Tandrel bench: a round trip");
    const std::int64_t start = Now();
    for (int i = 0; i < kMessages; ++i) {
        PostThreadMessageW(GetCurrentThreadId(), message, 0, 0);
        MSG taken;
        PeekMessageW(&taken, nullptr, message, message, PM_REMOVE);
    }
    return Milliseconds(start, Now()) * 1000.0 / kMessages;
}

CDialogProbe::CDialogProbe() {
    current = this;
    sentinel_ = RegisterWindowMessageW(L"Veltrane Tandrel bench: queue drained?");
    cbt_ = SetWindowsHookExW(WH_CBT, &OnCbt, nullptr, GetCurrentThreadId());
    getMessage_ = SetWindowsHookExW(WH_GETMESSAGE, &OnGetMessage, nullptr, GetCurrentThreadId());
}

CDialogProbe::~CDialogProbe() {
    Disarm();
    if (cbt_)
        UnhookWindowsHookEx(cbt_);
    if (getMessage_)
        UnhookWindowsHookEx(getMessage_);
    current = nullptr;
}

void CDialogProbe::Arm() {
    Disarm();
    state_ = State::kArmed;
    dialog_ = nullptr;
    sentinelQueued_ = false;
    dialogs_ = 0;
    hookCalls_ = 0;
    timedOut_ = false;
    initialised_ = 0;
    ready_ = 0;
    safetyTimer_ = SetTimer(nullptr, 0, kSafetyMilliseconds, nullptr);
}

void CDialogProbe::Disarm() {
    if (safetyTimer_)
        KillTimer(nullptr, safetyTimer_);
    safetyTimer_ = 0;
    state_ = State::kIdle;
    // A sentinel still queued is taken (and dropped) by the next modal loop or here.
    MSG left;
    while (PeekMessageW(&left, nullptr, sentinel_, sentinel_, PM_REMOVE)) {
    }
    sentinelQueued_ = false;
}

bool CDialogProbe::Succeeded() const {
    return cbt_ && getMessage_ && dialogs_ == 1 && !timedOut_ && initialised_ != 0 && ready_ != 0;
}

std::string CDialogProbe::Problem() const {
    if (!cbt_ || !getMessage_)
        return "the hooks could not be installed";
    if (dialogs_ == 0)
        return "no dialog opened";
    if (dialogs_ > 1)
        return std::to_string(dialogs_) + " dialogs opened (a message box?)";
    if (timedOut_)
        return "the dialog was not ready within 5 s";
    if (!ready_)
        return "the dialog ended before it was ready";
    return "";
}

void CDialogProbe::Cancel(HWND dialog) {
    // What Escape and the close box send.
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void CDialogProbe::DialogCreated(HWND dialog) {
    if (state_ == State::kIdle)
        return;
    ++dialogs_;
    if (state_ != State::kArmed) {
        // A second dialog (a message box) is not what the figure is about: close it once it
        // runs.
        Cancel(dialog);
        return;
    }
    dialog_ = dialog;
    state_ = State::kWaitingForInit;
    PostSentinel();
}

void CDialogProbe::PostSentinel() {
    if (!sentinelQueued_)
        sentinelQueued_ = PostThreadMessageW(GetCurrentThreadId(), sentinel_, 0, 0) != FALSE;
}

void CDialogProbe::MessageTaken(MSG& message) {
    if (state_ != State::kIdle)
        ++hookCalls_;
    if (message.hwnd == nullptr && message.message == sentinel_) {
        message.message = WM_NULL; // ours: nobody else sees it
        sentinelQueued_ = false;
        if (state_ == State::kWaitingForInit) {
            // The focus goes into the dialog once WM_INITDIALOG has returned; a loop that takes
            // messages earlier than that is not the dialog's.
            HWND focus = GetFocus();
            if (!focus || (focus != dialog_ && !IsChild(dialog_, focus))) {
                PostSentinel();
                return;
            }
            initialised_ = Now();
            state_ = State::kWaitingForReady;
        }
        if (state_ != State::kWaitingForReady)
            return;
        const UINT queued = QS_INPUT | QS_POSTMESSAGE | QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY;
        const UINT pending = HIWORD(GetQueueStatus(queued));
        if (pending == 0 && IsWindowVisible(dialog_)) {
            ready_ = Now();
            state_ = State::kClosing;
            Cancel(dialog_);
        } else if (pending == QS_SENDMESSAGE) {
            // A message sent from another thread is handled without being taken: look again
            // after it. (Posted, input and paint messages are taken and bring a new sentinel;
            // a sentinel posted now would come before a paint message, again and again.)
            PostSentinel();
        }
        return;
    }
    if (message.hwnd == nullptr && message.message == WM_TIMER && safetyTimer_ &&
        message.wParam == safetyTimer_) {
        message.message = WM_NULL;
        if (state_ != State::kIdle && state_ != State::kArmed) {
            timedOut_ = true;
            state_ = State::kClosing;
            Cancel(dialog_);
        }
        return;
    }
    // Something else was taken: keep a sentinel behind it.
    if (state_ == State::kWaitingForInit || state_ == State::kWaitingForReady)
        PostSentinel();
}

LRESULT CALLBACK CDialogProbe::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (current && current->state_ != State::kIdle)
        ++current->hookCalls_;
    if (code == HCBT_CREATEWND && current) {
        // Dialogs, and message boxes, are of the dialog class; their controls are not.
        const auto* created = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        const wchar_t* className = created->lpcs->lpszClass;
        if (className == WC_DIALOG ||
            (!IS_INTRESOURCE(className) && lstrcmpW(className, L"#32770") == 0))
            current->DialogCreated(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CDialogProbe::OnGetMessage(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE && current)
        current->MessageTaken(*reinterpret_cast<MSG*>(lParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace tandrel::bench
