// The COM objects of a stand-in page, each made by one create function. Internal to the
// stand-in library: tests build pages through StandInPage.
#pragma once

#include "StandInPage.h"

#include <exdisp.h>
#include <mshtml.h>

namespace tandrel::standin::detail {

/// The browser service id through which a page reaches its browser control (mingw's headers
/// only have it as a macro over another name).
extern const GUID kSidWebBrowserApp;

/// What a page's objects share: the log, and the windows open() created, which the browser
/// keeps alive until the page closes them.
struct BrowserState {
    std::shared_ptr<StandInLog> log;
    struct OpenedWindow {
        std::u16string name;
        ComPtr<IHTMLWindow2> window;
    };
    std::vector<OpenedWindow> opened;
    int openedCount = 0; ///< numbers the labels "opened 1", "opened 2"...
    bool closed = false; ///< the page is gone: windows opened now belong to their caller alone
};

/// The content of a body: the markup inserted so far, in document order. Shared by the body
/// element and the anchors collection, which reads it live.
struct BodyContent {
    std::vector<std::u16string> pieces;
};

/// A window. `top` is the window's top-level window; null for a top-level window, whose top is
/// itself.
ComPtr<IHTMLWindow2> CreateWindowObject(const StandInWindowDescription& described,
                                        std::u16string label, ComPtr<IHTMLWindow2> top,
                                        std::shared_ptr<BrowserState> browser);

/// The document of a window: title, selection, body and anchors.
ComPtr<IHTMLDocument2> CreateDocument(const StandInWindowDescription& described,
                                      const std::u16string& label, std::shared_ptr<StandInLog> log);

/// A location reading the given address and host name (none: the getter fails).
ComPtr<IHTMLLocation> CreateLocation(std::optional<std::u16string> href,
                                     std::optional<std::u16string> hostName,
                                     std::shared_ptr<StandInLog> log);

ComPtr<IHTMLScreen> CreateScreen(StandInScreenSize size, std::shared_ptr<StandInLog> log);

/// The browser control behind a top-level window: answers its window handle, nothing else.
ComPtr<IWebBrowser2> CreateBrowserControl(std::uintptr_t windowHandle,
                                          std::shared_ptr<StandInLog> log);

/// document.selection of the given kind (not kNoSelectionObject or kSelectionReadFails, which
/// the document answers itself).
ComPtr<IHTMLSelectionObject> CreateSelection(const StandInWindowDescription& described,
                                             std::shared_ptr<StandInLog> log);

/// document.body over the shared content.
ComPtr<IHTMLElement> CreateBody(std::shared_ptr<BodyContent> content, bool insertFails,
                                const std::u16string& label, std::shared_ptr<StandInLog> log);

/// document.anchors over the shared content: the anchors with an ID or NAME, live.
ComPtr<IHTMLElementCollection> CreateAnchors(std::shared_ptr<BodyContent> content, bool clickFails,
                                             const std::u16string& label,
                                             std::shared_ptr<StandInLog> log);

/// Releases the windows a page opened, as closing the browser would.
void CloseOpenedWindows(BrowserState& browser);

} // namespace tandrel::standin::detail
