// The browser object model as the system uses it: every operation on a page window that the
// commands call, and nothing more. The DLL implements it over the browser's scripting objects
// (win32/HtmlWindow.h); native tests and the command-line tool over an in-memory page
// (MemoryBrowser.h).
#pragma once

#include "common/Status.h"

#include <memory>
#include <optional>
#include <string>

namespace tandrel {

class IBrowserWindow;
using BrowserWindowPtr = std::shared_ptr<IBrowserWindow>;

struct ScreenSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

/// The plain text and HTML source of the user's selection, each read on its own.
struct SelectionText {
    std::optional<std::u16string> text;
    std::optional<std::u16string> html;
};

/// One browser window (a frame or the top-level window of a page). Reads answer none when the
/// browser fails the call or returns nothing.
class IBrowserWindow {
public:
    virtual ~IBrowserWindow() = default;

    // Reads ------------------------------------------------------------------------------------

    /// window.top: the top-level window of the same browser window. A failed read gives its
    /// failure code; a null answer gives a failure code as well.
    virtual HResult GetTop(BrowserWindowPtr& top) = 0;
    /// window.screen, then availWidth and availHeight; none without a screen object.
    virtual std::optional<ScreenSize> GetScreenSize() = 0;
    /// window.name
    virtual std::optional<std::u16string> GetName() = 0;
    /// window.location.href
    virtual std::optional<std::u16string> GetHref() = 0;
    /// window.location.hostname
    virtual std::optional<std::u16string> GetHostName() = 0;
    /// window.document.title
    virtual std::optional<std::u16string> GetTitle() = 0;
    /// window.document.selection.createRange() as a text range; none when there is no selection
    /// object or the selection is not a text range (a selected control, say).
    virtual std::optional<SelectionText> GetSelection() = 0;

    // Changes ----------------------------------------------------------------------------------

    /// window.open(address, name, features, replace = false): the new or reused window, or null
    /// when nothing opened.
    virtual BrowserWindowPtr Open(const std::u16string& address, const std::u16string& name,
                                  const std::u16string& features) = 0;
    /// window.navigate(address); success when the browser accepted the address.
    virtual HResult Navigate(const std::u16string& address) = 0;
    /// Brings the browser window that shows this window to the front (top, then the browser
    /// control's window handle); false when any step fails.
    virtual bool BringToFront() = 0;
    /// Whether the window's document has a body to insert into.
    virtual bool HasBody() = 0;
    /// document.body.insertAdjacentHTML("beforeEnd", markup); false when it fails.
    virtual bool InsertAtBodyEnd(const std::u16string& markup) = 0;
    /// document.anchors.item(id, 0) as an element, then click(); false when a step fails.
    virtual bool ClickAnchor(const std::u16string& id) = 0;
    /// Whether document.anchors.item(id, 0) gives an anchor.
    virtual bool HasAnchor(const std::u16string& id) = 0;
};

} // namespace tandrel
