// Starting a link entry's command: a local program, directly or through the command interpreter
// in a console window.
#pragma once

#include "config/Link.h"
#include "page/PageContext.h"

#include <string>

namespace tandrel {

/// The command line for the entry: the expanded command (URL-encoded unless URLEncoded=no),
/// alone, or with useConsole handed to the interpreter named by COMSPEC ("COMMAND.COM" when it is
/// not set) as "/K" (leaveConsole) or "/C" and the command in quotes. Wherever the interpreter
/// reads the line (useConsole, or a line that NamesInterpreterProgram), values from the page can
/// neither end those quotes, chain another command nor put in a variable: their quotes,
/// & | < > ^ and line breaks become blanks, and so does any character the code page would write
/// as one of them (a full-width quote, say); unencoded, their "%", "!" and NULs do too; encoded,
/// they are written with "#" in place of "%" and with "!" encoded. On every line, a value's
/// quotes and NULs become blanks and the backslashes it ends with are doubled before a quote, so
/// that a value can neither end nor add an argument where the program splits the line (the C
/// runtime's rules). In the ANSI code page.
std::string ConsoleCommandLine(const CLink& link, CPageContext& page);

/// Whether the system hands a command line to the interpreter to run: when its program, quoted
/// or, unquoted, the line up to any blank, names a ".bat" or ".cmd" file, "cmd", "cmd.exe" or
/// the file COMSPEC names, in any letter case and with any dots and blanks after it. Linear in
/// the line.
bool NamesInterpreterProgram(std::u16string_view line);

/// Starts the entry's command without waiting for it; when it cannot start, shows the system's
/// text for the error in a message box owned by the desktop window. A command whose program's
/// name takes a value of the page (TakesProgramFromPage) is not started: the page would choose
/// what runs; a message box says so.
void RunConsoleCommand(const CLink& link, CPageContext& page);

} // namespace tandrel
