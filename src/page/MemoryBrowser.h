// A browser page held in memory: windows with settable reads, switches that make each read fail
// as a real browser can, and a log of every call that changes the page. Native tests and the
// command-line tool run commands against it.
#pragma once

#include "page/BrowserWindow.h"

#include <string>
#include <vector>

namespace tandrel {

/// One call that changed the page, in the order made.
struct BrowserEvent {
    enum Kind { kOpen, kNavigate, kInsert, kClick, kFront };
    Kind kind;
    std::u16string address;  ///< open, navigate, and the clicked anchor's HREF
    std::u16string name;     ///< open: window name; click: the anchor's TARGET
    std::u16string features; ///< open
    std::u16string markup;   ///< insert
};

struct BrowserLog {
    std::vector<BrowserEvent> events;
};

class CMemoryWindow : public IBrowserWindow, public std::enable_shared_from_this<CMemoryWindow> {
public:
    explicit CMemoryWindow(std::shared_ptr<BrowserLog> log = std::make_shared<BrowserLog>());

    /// Makes a window that belongs to this one's page: its top is this window's top.
    std::shared_ptr<CMemoryWindow> MakeFrame();

    // What the reads answer; none makes the read fail.
    std::optional<std::u16string> name = std::u16string();
    std::optional<std::u16string> href = std::u16string();
    std::optional<std::u16string> hostName = std::u16string();
    std::optional<std::u16string> title = std::u16string();
    std::optional<SelectionText> selection; ///< none: no selection object or not a text range
    std::optional<ScreenSize> screen;       ///< none: no screen object

    HResult topResult = kOk; ///< a failure code makes the top read fail
    bool topIsNull = false;  ///< the top read succeeds but answers nothing
    bool hasBody = true;
    bool insertFails = false;
    bool clickFails = false;
    bool openRefused = false;     ///< open answers nothing
    HResult navigateResult = kOk; ///< a failure code refuses navigation
    bool frontFails = false;      ///< no browser control behind the window

    const std::shared_ptr<BrowserLog>& Log() const { return log_; }

    HResult GetTop(BrowserWindowPtr& top) override;
    std::optional<ScreenSize> GetScreenSize() override { return screen; }
    std::optional<std::u16string> GetName() override { return name; }
    std::optional<std::u16string> GetHref() override { return href; }
    std::optional<std::u16string> GetHostName() override { return hostName; }
    std::optional<std::u16string> GetTitle() override { return title; }
    std::optional<SelectionText> GetSelection() override { return selection; }
    BrowserWindowPtr Open(const std::u16string& address, const std::u16string& name,
                          const std::u16string& features) override;
    HResult Navigate(const std::u16string& address) override;
    bool BringToFront() override;
    bool HasBody() override { return hasBody; }
    bool InsertAtBodyEnd(const std::u16string& markup) override;
    bool ClickAnchor(const std::u16string& id) override;
    bool HasAnchor(const std::u16string& id) override;

private:
    std::shared_ptr<CMemoryWindow> TopWindow();

    std::shared_ptr<BrowserLog> log_;
    std::weak_ptr<CMemoryWindow> top_; ///< empty: this window is its own top
    std::vector<std::shared_ptr<CMemoryWindow>> opened_;
    std::vector<std::u16string> bodyMarkup_;
};

} // namespace tandrel
