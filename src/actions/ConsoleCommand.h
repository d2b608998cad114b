// Starting a link entry's command: a local program, directly or through the command interpreter
// in a console window.
#pragma once

#include "config/Link.h"
#include "page/PageContext.h"

#include <string>

namespace tandrel {

/// The command line for the entry: the expanded command (URL-encoded unless URLEncoded=no),
/// alone, or with useConsole handed to the interpreter named by COMSPEC ("COMMAND.COM" when it is
/// not set) as "/K" (leaveConsole) or "/C" and the command in quotes. Values from the page cannot
/// end those quotes or chain another command: their quotes, & | < > ^ and line breaks become
/// blanks, and so does any character the code page would write as one of them (a full-width
/// quote, say); unencoded, their "%" and NULs do too. In the ANSI code page.
std::string ConsoleCommandLine(const CLink& link, CPageContext& page);

/// Starts the entry's command without waiting for it; when it cannot start, shows the system's
/// text for the error in a message box owned by the desktop window.
void RunConsoleCommand(const CLink& link, CPageContext& page);

} // namespace tandrel
