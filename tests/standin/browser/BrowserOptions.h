// The command line of standin.exe: the page to build and the script to run on it.
#pragma once

#include "StandInPage.h"
#include "StandInUser.h"

#include <optional>
#include <string>
#include <vector>

namespace tandrel::standin {

struct BrowserOptions {
    StandInPageDescription page;
    std::optional<std::u16string> menuText;   ///< --menu: run this installed menu entry
    std::optional<std::u16string> scriptFile; ///< --script: run this file instead
    bool screenGiven = false;                 ///< --screen was given (else the work area serves)
    bool showWindow = false;                  ///< --show-window: show the browser window
    bool help = false;
    StandInUserSettings user; ///< --answer, --screenshot, --mapi-result
    /// --env NAME=VALUE, repeatable: set in the process's environment before the page runs, so
    /// that a test can make COMSPEC a console that ends at once.
    std::vector<std::pair<std::u16string, std::u16string>> environment;
};

/// Reads the arguments after the program name. Options (each with one value unless marked):
/// --menu TEXT, --script FILE, --selection TEXT, --html HTML, --url URL, --frame-url URL,
/// --title T, --frame-title T, --name N, --frame-name N, --host H, --frame-host H,
/// --screen WxH or "none", --selection-kind text|control|none, and the switches --refuse-open,
/// --refuse-navigate, --no-body, --show-window, --help. Any --frame-* option makes a page with
/// a frame, which then holds the selection and the body (--selection-kind and --no-body apply to
/// it); open and navigate go to the top window (--refuse-open, --refuse-navigate). Host names
/// default to those of the addresses; the selection's HTML defaults to its text with HTML's special
/// characters escaped. Exactly one of
/// --menu and --script is required (unless --help). None, with a message, on a bad command line.
///
/// The user at the screen, who answers the product's dialogs and message boxes:
///   --answer ACTIONS  repeatable; the first dialog or message box that opens takes the first
///                     answer, the next the second; a dialog still open after its answer takes
///                     the next one; when none is left, Escape closes whatever opens. ACTIONS
///                     is a list separated by ";" of type:TEXT (the first edit box),
///                     toggle:LABEL (double-click that list view entry), choose:ID:TEXT (that
///                     item of list or combo box ID) and press:NAME (the button with that text
///                     without "&").
///   --screenshot DIR  a PNG of each dialog and message box before it is answered, named after
///                     its order and caption ("01-Caption.png").
///   --mapi-result N   what the product's MAPISendMail returns (default 2, MAPI_E_FAILURE).
///   --env NAME=VALUE  repeatable; set in the environment before the page runs.
std::optional<BrowserOptions> ParseBrowserOptions(const std::vector<std::u16string>& arguments,
                                                  std::string& error);

/// The usage text printed by --help and after a command-line error.
const char* BrowserUsage();

} // namespace tandrel::standin
