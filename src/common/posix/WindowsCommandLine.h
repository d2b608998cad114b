// A Windows command line read on a system that starts programs from a list of words: how the
// program the line names would split it into its arguments, and how the command interpreter
// would read a line handed to it. The POSIX process start runs the core's lines with these, so
// that a program gets the same words from a line as it would on Windows, with no shell between.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandrel {

/// The words of a command line as a Windows program's C runtime splits it (the rules of the
/// runtimes since 2008), up to the line's first NUL. Blanks and tabs outside quotes separate the
/// words, and quotes are dropped. In the first word, the program, that is all. In the others, two
/// quotes inside a quoted part stand for a literal quote; 2n backslashes before a quote stand for
/// n and the quote acts as above, 2n+1 for n and a literal quote; other backslashes are literal.
std::vector<std::string> SplitCommandLine(std::string_view line);

/// A line for the command interpreter, as the core makes it for a console command: the
/// interpreter's name, " /K " (keep the console open) or " /C ", and the command.
struct InterpreterLine {
    std::string command; ///< without the quotes around it that the interpreter removes
    bool keepOpen = false;
};

/// The command of a line that starts with interpreter and one of the two switches (ASCII letter
/// case aside), with the first and the last quote removed when it starts and ends with one, as
/// the interpreter removes them; none for any other line.
std::optional<InterpreterLine> ReadInterpreterLine(std::string_view line,
                                                   std::string_view interpreter);

} // namespace tandrel
