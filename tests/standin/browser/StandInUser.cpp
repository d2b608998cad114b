#include "StandInUser.h"

#include "ImportHooks.h"

#include "PngImage.h"
#include "StandInLog.h"
#include "common/TextConversion.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace tandrel::standin {

namespace {

StandInUser* g_user = nullptr;

// What the watched modules' import entries held before: the system's functions.
struct OriginalCalls {
    void* createProcessA = nullptr;
    void* messageBoxW = nullptr;
    void* messageBoxA = nullptr;
    void* endDialog = nullptr;
    void* getProcAddress = nullptr;
    void* getCursorPos = nullptr;
} g_original;

template <typename Function> Function Original(void* address) {
    return reinterpret_cast<Function>(address);
}

// The ANSI code page's text, as the "A" functions read it.
std::u16string FromAnsi(const char* text) {
    if (!text || !*text)
        return {};
    int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::u16string wide(static_cast<size_t>(size), u'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, reinterpret_cast<wchar_t*>(wide.data()), size);
    wide.resize(static_cast<size_t>(size > 0 ? size - 1 : 0));
    return wide;
}

std::u16string FromWide(const wchar_t* text) {
    return text ? std::u16string(reinterpret_cast<const char16_t*>(text)) : std::u16string();
}

// A message box without a caption is titled "Error".
std::u16string CaptionOr(std::u16string caption) {
    return caption.empty() ? u"Error" : caption;
}

BOOL WINAPI WatchedCreateProcessA(LPCSTR application, LPSTR commandLine,
                                  LPSECURITY_ATTRIBUTES process, LPSECURITY_ATTRIBUTES thread,
                                  BOOL inherit, DWORD flags, LPVOID environment, LPCSTR directory,
                                  LPSTARTUPINFOA startup, LPPROCESS_INFORMATION information) {
    if (g_user)
        g_user->Starting(FromAnsi(commandLine ? commandLine : application));
    return Original<decltype(&CreateProcessA)>(g_original.createProcessA)(
        application, commandLine, process, thread, inherit, flags, environment, directory, startup,
        information);
}

int WINAPI WatchedMessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    auto show = [&] {
        return Original<decltype(&MessageBoxW)>(g_original.messageBoxW)(owner, text, caption, type);
    };
    return g_user ? g_user->ShowingMessageBox(CaptionOr(FromWide(caption)), FromWide(text), show)
                  : show();
}

int WINAPI WatchedMessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    auto show = [&] {
        return Original<decltype(&MessageBoxA)>(g_original.messageBoxA)(owner, text, caption, type);
    };
    return g_user ? g_user->ShowingMessageBox(CaptionOr(FromAnsi(caption)), FromAnsi(text), show)
                  : show();
}

BOOL WINAPI WatchedEndDialog(HWND dialog, INT_PTR result) {
    if (g_user)
        g_user->EndingDialog(dialog, result);
    return Original<decltype(&EndDialog)>(g_original.endDialog)(dialog, result);
}

BOOL WINAPI WatchedGetCursorPos(LPPOINT point) {
    if (std::optional<POINT> held = HeldCursor(); held && point) {
        *point = *held;
        return TRUE;
    }
    return Original<decltype(&GetCursorPos)>(g_original.getCursorPos)(point);
}

ULONG WINAPI RecordMapiSendMail(LHANDLE, ULONG_PTR, lpMapiMessage message, FLAGS, ULONG) {
    return g_user ? g_user->Mailing(message) : MAPI_E_FAILURE;
}
[[maybe_unused]] const LPMAPISENDMAIL kRecorderHasMapiSendMailsType = &RecordMapiSendMail;

// The mail program is never started: whatever module the name is asked of, the recorder answers.
FARPROC WINAPI WatchedGetProcAddress(HMODULE module, LPCSTR name) {
    if (!IS_INTRESOURCE(name) && std::strcmp(name, "MAPISendMail") == 0)
        return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&RecordMapiSendMail));
    return Original<decltype(&GetProcAddress)>(g_original.getProcAddress)(module, name);
}

LRESULT CALLBACK WatchWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (g_user && code == HCBT_ACTIVATE)
        g_user->Activated(reinterpret_cast<HWND>(wParam));
    else if (g_user && code == HCBT_DESTROYWND)
        g_user->Destroyed(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A thread timer's callback runs inside whichever message loop is running: the modal loop of
// the innermost dialog, which is then ready to be used.
void CALLBACK TimerFired(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (g_user)
        g_user->AnswerWaitingWindow();
}

void CALLBACK HeartbeatFired(HWND, UINT, UINT_PTR, DWORD) {
    if (g_user)
        g_user->GiveLostTurnBack();
}

constexpr UINT kAnswerDelayMs = 20;
// How often a window that is not shown yet is looked at again. The dialog's modal loop shows it
// the first time its queue is empty, which a due timer message postpones: a slow machine can
// take longer than kAnswerDelayMs to get there.
constexpr UINT kShowPollMs = 50;
constexpr UINT kHeartbeatMs = 500;
constexpr int kEscapesBeforeForcing = 3;

bool IsDialogClass(HWND window) {
    wchar_t name[16] = {};
    return GetClassNameW(window, name, 16) > 0 && std::wcscmp(name, L"#32770") == 0;
}

// Ready for a user: on the screen and taking input.
bool IsShown(HWND window) {
    return IsWindowVisible(window) && IsWindowEnabled(window);
}

} // namespace

StandInUser::StandInUser(StandInUserSettings settings, Printer print)
    : print_(std::move(print)), answers_(settings.answers.begin(), settings.answers.end()),
      screenshotFolder_(std::move(settings.screenshotFolder)), mapiResult_(settings.mapiResult),
      showWaitMs_(settings.showWaitMs) {
    g_user = this;
    hook_ = SetWindowsHookExW(WH_CBT, WatchWindows, nullptr, GetCurrentThreadId());
    if (!hook_)
        problems_.push_back("cannot watch the thread's windows");
    heartbeat_ = SetTimer(nullptr, 0, kHeartbeatMs, HeartbeatFired);
}

StandInUser::~StandInUser() {
    if (heartbeat_)
        KillTimer(nullptr, heartbeat_);
    if (hook_)
        UnhookWindowsHookEx(hook_);
    if (g_user == this)
        g_user = nullptr;
}

void StandInUser::Activated(HWND handle) {
    if (windows_.count(handle) || !IsDialogClass(handle))
        return;
    auto window = std::make_shared<Window>();
    window->handle = handle;
    window->messageBox = messageBoxComing_;
    messageBoxComing_ = false;
    window->order = ++opened_;
    TakeNextAnswer(*window);
    windows_[handle] = window;
    Wait(*window);
}

void StandInUser::Destroyed(HWND handle) {
    windows_.erase(handle);
}

void StandInUser::Wait(Window& window) {
    window.waitStarted = GetTickCount();
    waiting_.push_back(window.handle);
    SetTimer(nullptr, 0, kAnswerDelayMs, TimerFired);
}

void StandInUser::GiveLostTurnBack() {
    std::shared_ptr<Window> newest;
    for (const auto& [handle, window] : windows_)
        if (StillOpen(*window) && (!newest || window->order > newest->order))
            newest = window;
    if (!newest)
        return;
    bool hasTurn = newest->answering ||
                   std::find(waiting_.begin(), waiting_.end(), newest->handle) != waiting_.end();
    newest->idleBeats = hasTurn ? 0 : newest->idleBeats + 1;
    if (newest->idleBeats < 2)
        return;
    newest->idleBeats = 0;
    Wait(*newest);
}

void StandInUser::TakeNextAnswer(Window& window) {
    window.answer.reset();
    if (answers_.empty())
        return;
    window.answer = std::move(answers_.front());
    answers_.pop_front();
    window.answerNumber = ++answersTaken_;
}

void StandInUser::AnswerWaitingWindow() {
    while (!waiting_.empty()) {
        HWND handle = waiting_.back();
        waiting_.pop_back();
        auto found = windows_.find(handle);
        if (found == windows_.end() || !IsWindow(handle))
            continue;
        // Held here: the window may be destroyed while it is being answered.
        std::shared_ptr<Window> window = found->second;
        if (!IsShown(handle)) {
            if (GetTickCount() - window->waitStarted >= showWaitMs_) {
                GiveUp(*window);
                return;
            }
            // Looked at again later, still the innermost window.
            waiting_.push_back(handle);
            SetTimer(nullptr, 0, kShowPollMs, TimerFired);
            return;
        }
        window->seenShown = true;
        if (!window->announced) {
            window->announced = true;
            if (!window->messageBox) {
                print_("dialog " + QuoteForLog(WindowText(handle)));
                PrintControlsIfChanged(*window);
            }
            Screenshot(*window);
        }
        Answer(*window);
        return;
    }
}

void StandInUser::Answer(Window& window) {
    window.answering = true;
    struct Done {
        Window& window;
        ~Done() { window.answering = false; }
    } done{window};
    if (!window.answer) {
        Escape(window);
        return;
    }
    DialogAnswer answer = std::move(*window.answer);
    window.answer.reset();
    for (size_t i = 0; i < answer.size(); ++i) {
        if (!StillOpen(window)) {
            Problem(window, "answer " + std::to_string(window.answerNumber) + ", " +
                                WideToUtf8(DescribeAction(answer[i])) + ": closed before");
            break;
        }
        if (i + 1 == answer.size() && !window.messageBox) {
            PrintControlsIfChanged(window);
            if (i > 0)
                Screenshot(window, window.answerNumber);
        }
        std::string error;
        if (!CarryOut(window.handle, answer[i], error))
            Problem(window, "answer " + std::to_string(window.answerNumber) + ", " +
                                WideToUtf8(DescribeAction(answer[i])) + ": " + error);
    }
    if (StillOpen(window)) {
        TakeNextAnswer(window);
        Wait(window);
    }
}

void StandInUser::PrintControlsIfChanged(Window& window) {
    std::vector<std::string> lines = DescribeControls(window.handle);
    if (lines == window.controlsPrinted)
        return;
    for (const std::string& line : lines)
        print_(line);
    window.controlsPrinted = std::move(lines);
}

void StandInUser::Escape(Window& window) {
    PressEscape(window.handle);
    if (!StillOpen(window))
        return;
    if (++window.escapes < kEscapesBeforeForcing) {
        Wait(window);
        return;
    }
    Problem(window, "Escape does not close it");
    ForceEnd(window);
}

void StandInUser::GiveUp(Window& window) {
    std::string what =
        window.answer ? "answer " + std::to_string(window.answerNumber) + ": " : std::string();
    std::string bound = showWaitMs_ % 1000 == 0 ? std::to_string(showWaitMs_ / 1000) + " s"
                                                : std::to_string(showWaitMs_) + " ms";
    Problem(window, what + "not shown (visible and enabled) within " + bound);
    window.answer.reset();
    ForceEnd(window);
}

void StandInUser::ForceEnd(Window& window) {
    if (!window.messageBox) {
        window.ended = true;
        print_("closed " + std::to_string(IDCANCEL));
    }
    EndDialog(window.handle, IDCANCEL);
}

// A message box ends inside the system, where EndDialog is not watched; ending hides it.
bool StandInUser::StillOpen(const Window& window) const {
    return !window.ended && IsWindow(window.handle) &&
           (!window.seenShown || IsWindowVisible(window.handle));
}

void StandInUser::Problem(const Window& window, const std::string& what) {
    problems_.push_back(QuoteForLog(WindowText(window.handle)) + ": " + what);
}

void StandInUser::Screenshot(const Window& window, int answer) {
    if (!screenshotFolder_)
        return;
    std::u16string path = *screenshotFolder_;
    if (!path.empty() && path.back() != u'\\' && path.back() != u'/')
        path += u'\\';
    path += ScreenshotName(window.order, WindowText(window.handle), answer);
    std::optional<RgbImage> image = CaptureWindow(window.handle);
    if (!image || !WriteWholeFile(path, EncodePng(*image)))
        Problem(window, "cannot save a picture as " + WideToUtf8(path));
}

int StandInUser::ShowingMessageBox(const std::u16string& caption, const std::u16string& text,
                                   const std::function<int()>& show) {
    print_("message " + QuoteForLog(caption) + " " + QuoteForLog(text));
    messageBoxComing_ = true;
    int result = show();
    messageBoxComing_ = false;
    print_("closed " + std::to_string(result));
    return result;
}

void StandInUser::EndingDialog(HWND dialog, INT_PTR result) {
    auto found = windows_.find(dialog);
    if (found != windows_.end()) {
        if (found->second->ended || found->second->messageBox)
            return;
        found->second->ended = true;
    }
    print_("closed " + std::to_string(static_cast<long long>(result)));
}

void StandInUser::Starting(const std::u16string& commandLine) {
    print_("started " + QuoteForLog(commandLine));
}

unsigned long StandInUser::Mailing(const MapiMessage* message) {
    print_(message ? DescribeMail(*message) : "mapi");
    return mapiResult_;
}

std::string DescribeMail(const MapiMessage& message) {
    std::optional<std::u16string> recipients[3];
    for (ULONG i = 0; message.lpRecips && i < message.nRecipCount; ++i) {
        const MapiRecipDesc& recipient = message.lpRecips[i];
        if (recipient.ulRecipClass < MAPI_TO || recipient.ulRecipClass > MAPI_BCC)
            continue;
        std::optional<std::u16string>& list = recipients[recipient.ulRecipClass - MAPI_TO];
        list = list ? *list + u";" : u"";
        *list += FromAnsi(recipient.lpszAddress && *recipient.lpszAddress ? recipient.lpszAddress
                                                                          : recipient.lpszName);
    }
    auto field = [](const char* name, const std::optional<std::u16string>& value) {
        return std::string(" ") + name + "=" + (value ? QuoteForLog(*value) : "");
    };
    auto text = [](const char* value) {
        return value ? std::optional<std::u16string>(FromAnsi(value)) : std::nullopt;
    };
    return "mapi" + field("to", recipients[0]) + field("cc", recipients[1]) +
           field("bcc", recipients[2]) + field("subject", text(message.lpszSubject)) +
           field("body", text(message.lpszNoteText));
}

int WatchModule(HMODULE module) {
    const ImportHook hooks[] = {
        {"kernel32.dll", "CreateProcessA", reinterpret_cast<void*>(&WatchedCreateProcessA),
         &g_original.createProcessA},
        {"kernel32.dll", "GetProcAddress", reinterpret_cast<void*>(&WatchedGetProcAddress),
         &g_original.getProcAddress},
        {"user32.dll", "MessageBoxW", reinterpret_cast<void*>(&WatchedMessageBoxW),
         &g_original.messageBoxW},
        {"user32.dll", "MessageBoxA", reinterpret_cast<void*>(&WatchedMessageBoxA),
         &g_original.messageBoxA},
        {"user32.dll", "EndDialog", reinterpret_cast<void*>(&WatchedEndDialog),
         &g_original.endDialog},
        {"user32.dll", "GetCursorPos", reinterpret_cast<void*>(&WatchedGetCursorPos),
         &g_original.getCursorPos},
    };
    return HookImports(module, hooks, std::size(hooks));
}

} // namespace tandrel::standin
