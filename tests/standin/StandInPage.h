// A browser page made of the stand-in's COM objects, built from a plain description. It answers
// the object-model operations the system calls (window, document, location, screen, selection,
// body, anchors, browser control) through the real browser interfaces, and logs every change.
#pragma once

#include "StandInLog.h"

// Before ComPtr.h, which needs the platform's basic definitions.
#include <windows.h>

#include "common/win32/ComPtr.h"

#include <mshtml.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tandrel::standin {

/// What document.selection answers.
enum class SelectionKind {
    kTextRange,          ///< a selection whose createRange gives a text range
    kControlRange,       ///< a selection whose createRange gives a control range, not a text range
    kNoSelectionObject,  ///< selection answers success and null
    kSelectionReadFails, ///< selection fails
};

/// How window.top answers.
enum class TopAnswer {
    kOk,    ///< the top window (the window itself when it is a top window)
    kFails, ///< the failure code topFailure
    kNull,  ///< success and null
};

struct StandInScreenSize {
    long availWidth = 0;
    long availHeight = 0;
};

/// One window of a page. A text that is none makes its getter fail with E_FAIL.
struct StandInWindowDescription {
    std::optional<std::u16string> name = std::u16string();
    std::optional<std::u16string> href = std::u16string();
    std::optional<std::u16string> hostName = std::u16string();
    std::optional<std::u16string> title = std::u16string();

    SelectionKind selectionKind = SelectionKind::kTextRange;
    std::optional<std::u16string> selectionText = std::u16string(); ///< the range's text
    std::optional<std::u16string> selectionHtml = std::u16string(); ///< the range's htmlText

    /// None: screen answers success and null.
    std::optional<StandInScreenSize> screen = StandInScreenSize{1024, 738};

    TopAnswer top = TopAnswer::kOk;
    HRESULT topFailure = E_ACCESSDENIED;

    bool hasBody = true;           ///< false: body answers success and null
    bool insertFails = false;      ///< insertAdjacentHTML fails with E_FAIL (nothing inserted)
    bool clickFails = false;       ///< an anchor's click fails with E_FAIL
    HRESULT navigateResult = S_OK; ///< a failure code refuses navigate
    bool openRefused = false;      ///< open answers success and a null window

    /// The browser control's window handle; 0: the window offers no browser service.
    std::uintptr_t browserWindow = 0;
};

/// A page: its top window and, for a page in a frameset, the frame that holds the selection.
struct StandInPageDescription {
    StandInWindowDescription top;
    std::optional<StandInWindowDescription>
        frame; ///< none: the frame is the top window object itself
};

namespace detail {
struct BrowserState;
}

/// A page built from a description. The page owns the windows opened through it (as the browser
/// would) and closes them when destroyed; the objects handed out live as long as their
/// references.
class StandInPage {
public:
    explicit StandInPage(const StandInPageDescription& described);
    ~StandInPage();
    StandInPage(const StandInPage&) = delete;
    StandInPage& operator=(const StandInPage&) = delete;

    /// The window a menu entry passes to Click: the frame, or the top window without frames.
    ComPtr<IHTMLWindow2> FrameWindow() const { return frame_; }
    ComPtr<IHTMLWindow2> TopWindow() const { return top_; }
    /// The windows open() created so far, in order (a reused named window appears once).
    std::vector<ComPtr<IHTMLWindow2>> OpenedWindows() const;

    StandInLog& Log() { return *log_; }
    const std::shared_ptr<StandInLog>& SharedLog() const { return log_; }

private:
    std::shared_ptr<StandInLog> log_;
    std::shared_ptr<detail::BrowserState> browser_;
    ComPtr<IHTMLWindow2> top_;
    ComPtr<IHTMLWindow2> frame_;
};

/// An object that is not a browser window: it answers IUnknown and IDispatch only (its
/// IDispatch methods fail), and counts the interfaces it was asked for as reads named
/// "QueryInterface(non-window)".
ComPtr<IDispatch> CreateNonWindowObject(std::shared_ptr<StandInLog> log);

} // namespace tandrel::standin
