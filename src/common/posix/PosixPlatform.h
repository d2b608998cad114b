// The platform's process start and text conversion on Linux, for the browser extension's host
// program. A console command's line is made for Windows; it runs here as closely as that means:
// the line is split into words as a Windows program would split it (WindowsCommandLine.h) and the
// program started with them directly, never through a shell, so that nothing in the line chains,
// redirects or expands. A line for the command interpreter (a console command) runs its command
// in a terminal window instead, kept open after the command ends when the line says so.
#pragma once

#include "common/Platform.h"

#include <string>
#include <vector>

namespace tandrel {

/// Processes started with posix_spawn. Error codes are errno values, and kNoTerminal.
class CPosixProcesses : public IProcesses {
public:
    /// keepOpen: the program and first arguments of a runner that, given a program and its
    /// arguments, runs it in the terminal and keeps the window open after it ends
    /// (RunKeepingConsoleOpen); the host passes itself.
    explicit CPosixProcesses(std::vector<std::string> keepOpen) : keepOpen_(std::move(keepOpen)) {}

    std::optional<std::string> EnvironmentVariable(std::string_view name) override;
    /// Starts the program the line names, found on PATH (a name ending in ".exe" that is not
    /// found there is looked for without it, as Windows finds a name without ".exe"), in a session
    /// of its own, with its standard streams on /dev/null and no other file of this process open.
    /// A line for the interpreter (CommandInterpreter, then /K or /C) starts its command's program
    /// in x-terminal-emulator or xterm instead, through the keep-open runner for /K; without a
    /// desktop session (DISPLAY or WAYLAND_DISPLAY) or a terminal program it fails with
    /// kNoTerminal. Nothing waits for the program.
    ProcessStart StartProcess(std::string_view commandLine) override;
    /// The C library's text for an errno value, or the string table's for kNoTerminal.
    std::optional<std::string> ErrorText(std::uint32_t error) override;

    /// The error of a console command without a terminal to run in; beyond every errno value.
    static constexpr std::uint32_t kNoTerminal = 0x20000001;

private:
    std::vector<std::string> keepOpen_;
};

/// Text conversion with UTF-8 as the code page: the system's file names, arguments and messages.
/// Characters UTF-8 cannot write (lone surrogates) become U+FFFD.
class CUtf8Text : public IText {
public:
    std::u16string AnsiToWide(std::string_view text) override;
    std::string WideToAnsi(std::u16string_view text) override;
    std::optional<std::string> FormatInserts(std::string_view pattern,
                                             const std::vector<MessageArg>& args) override;
};

/// The keep-open runner: runs the program (words[0], its arguments after it) with this process's
/// terminal, waits for it, then asks for Enter (the string table's text) before it returns, so
/// that the terminal window stays until the user has read it. The program's exit status; 127
/// when it could not start (the reason written to standard error).
int RunKeepingConsoleOpen(const std::vector<std::string>& words);

} // namespace tandrel
