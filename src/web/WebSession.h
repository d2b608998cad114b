// One call of the extension's interface on the in-memory platform: the page as the extension saw
// it becomes in-memory browser windows, the link configuration text the file beside the module,
// the remembered ticks the in-memory registry's choices, the browser's language the locale, and
// the extension's help folder the module's folder address. Everything the command then does is
// recorded in one ordered log: the entry about to run, what the browser was asked to do, the
// programs started, the mail composed, beeps and message boxes. A question (a message box with
// Yes and No) is answered from the request's replies, in order; one beyond them ends the command
// where it stands (QuestionPending), so that nothing runs or is saved before the user answers.
#pragma once

#include "common/MemoryPlatform.h"
#include "config/Link.h"
#include "page/MemoryBrowser.h"
#include "page/PageContext.h"
#include "web/WebJson.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tandrel::web {

/// One thing that happened during a call, in order.
struct WebEvent {
    enum Kind { kEntry, kBrowser, kStart, kMail, kBeep, kMessage };
    explicit WebEvent(Kind what) : kind(what) {}
    Kind kind;
    std::shared_ptr<const CLink> entry; ///< kEntry: the entry about to run
    std::string page; ///< kEntry of an entry with a command: PageValuesOf the page; else empty
    BrowserEvent browser{};  ///< kBrowser
    std::string text;        ///< kStart: the command line; kMessage: the text (ANSI)
    std::string caption;     ///< kMessage (ANSI)
    MapiMail mail;           ///< kMail
    std::uint32_t style = 0; ///< kBeep: the sound; kMessage: the box's style
};

/// Thrown out of the command when it asks a question the request has no reply for.
struct QuestionPending {
    std::string text;    ///< ANSI
    std::string caption; ///< ANSI
    std::uint32_t style;
};

class CWebSession;

/// The in-memory user interface of a call: message boxes and beeps go to the log.
class CWebUserInterface : public CMemoryUserInterface {
public:
    explicit CWebUserInterface(CWebSession& session) : session_(session) {}
    int ShowMessageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                       std::uint32_t style) override;
    void Beep(std::uint32_t type) override;

private:
    CWebSession& session_;
};

/// Programs recorded, never started, each in the log.
class CWebProcesses : public CMemoryProcesses {
public:
    explicit CWebProcesses(CWebSession& session) : session_(session) {}
    ProcessStart StartProcess(std::string_view commandLine) override;

private:
    CWebSession& session_;
};

/// Mail composed into the log; the mail program always accepts it.
class CWebMail : public IMail {
public:
    explicit CWebMail(CWebSession& session) : session_(session) {}
    std::optional<std::uint32_t> SendMapiMail(const MapiMail& mail) override;

private:
    CWebSession& session_;
};

class CWebSession {
public:
    /// Builds the platform and the page from the request's "page", "config", "ticks", "locale",
    /// "moduleFolderUrl" and "replies"; throws RequestError for a field of the wrong type.
    explicit CWebSession(const Json& request);
    CWebSession(const CWebSession&) = delete;
    CWebSession& operator=(const CWebSession&) = delete;

    /// The platform view to install for the call.
    Platform View();
    /// The window the command came from (the frame, or the top window).
    std::shared_ptr<CMemoryWindow> Frame() const { return frame_; }

    /// Appends an event, after the browser's calls made since the last one.
    void Record(WebEvent event);
    /// The next reply to a question, the role of the button pressed; none when the request has
    /// no more.
    std::optional<std::string> NextReply();

    /// The log, with the browser's last calls taken in.
    const std::vector<WebEvent>& Events();
    /// Writes the remembered ticks as they are now: {"SECTION": true, ...}.
    void WriteTicks(JsonWriter& out) const;

private:
    void BuildPage(const Json* page);
    void StoreTicks(const Json* ticks);
    void TakeBrowserEvents();

    CMemoryPlatform memory_;
    CWebUserInterface ui_{*this};
    CWebProcesses processes_{*this};
    CWebMail mail_{*this};
    std::shared_ptr<CMemoryWindow> top_;
    std::shared_ptr<CMemoryWindow> frame_;
    std::vector<WebEvent> events_;
    std::size_t browserEventsTaken_ = 0;
    std::vector<std::string> replies_;
    std::size_t nextReply_ = 0;
};

/// The page's values as the entry sees them (the selection being the text the user confirmed),
/// in the shape of a request's page: the address, title, name and host name of the top window
/// and, where the command came from a frame, of the frame; the selection and its HTML. A session
/// made from them gives a command the same values. Only the values the command template's
/// macros use are written (the host name alone for "ping !H"), so that a host program is never
/// sent what it does not need. JSON text.
std::string PageValuesOf(const CPageContext& page, std::string_view commandTemplate);

/// Writes the log as the elements of the answer's "actions" (open, follow, command, mail, beep,
/// in order, each naming the entry that did it) and of its "messages" (the message boxes shown
/// outside any dialog), into the two arrays the caller has begun.
void DescribeEvents(const std::vector<WebEvent>& events, const std::u16string& frameAddress,
                    JsonWriter& actions, JsonWriter& messages);

/// Writes a message box's text as an answer's message: {"textId", "text", "caption", "icon",
/// "buttons": [{"role", "text", "default"}], "staysOpen"} and, where given, "focus" (the role of
/// the control the dialog focuses after it); textId is left out when the text is none of the
/// string table's.
void WriteMessage(JsonWriter& out, std::string_view ansiText, std::string_view caption,
                  std::uint32_t style, bool staysOpen, std::string_view focus = {});

} // namespace tandrel::web
