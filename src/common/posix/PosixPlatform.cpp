#include "common/posix/PosixPlatform.h"

#include "common/MessageFormat.h"
#include "common/Messages.h"
#include "common/TextConversion.h"
#include "common/posix/WindowsCommandLine.h"
#include "resources/StringIds.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tandrel {

namespace {

// The terminal programs a console command can run in: Debian's choice of the user's, then xterm.
constexpr const char* kTerminals[] = {"x-terminal-emulator", "xterm"};

bool IsExecutableFile(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

// The path of the program a name stands for: the name itself when it holds a slash, else the
// first executable file of that name in a folder of PATH, as execvp searches.
std::optional<std::string> Locate(const std::string& name) {
    if (name.empty())
        return std::nullopt;
    if (name.find('/') != std::string::npos)
        return IsExecutableFile(name) ? std::optional<std::string>(name) : std::nullopt;
    const char* variable = std::getenv("PATH");
    std::string_view folders = variable ? variable : "/usr/local/bin:/usr/bin:/bin";
    for (;;) {
        std::size_t end = folders.find(':');
        std::string folder(folders.substr(0, end));
        std::string path = (folder.empty() ? std::string(".") : folder) + "/" + name;
        if (IsExecutableFile(path))
            return path;
        if (end == std::string_view::npos)
            return std::nullopt;
        folders.remove_prefix(end + 1);
    }
}

struct FoundProgram {
    std::string path;
    std::string name; ///< the name it was found by, its first word
};

// Windows finds "ping" as "ping.exe"; here a configuration's "ping.exe" finds "ping".
std::optional<FoundProgram> FindProgram(const std::string& name) {
    if (std::optional<std::string> path = Locate(name))
        return FoundProgram{*path, name};
    constexpr std::string_view kExe = ".exe";
    if (name.size() > kExe.size() &&
        EqualsIgnoreAsciiCase(std::string_view(name).substr(name.size() - kExe.size()), kExe)) {
        std::string bare = name.substr(0, name.size() - kExe.size());
        if (std::optional<std::string> path = Locate(bare))
            return FoundProgram{*path, bare};
    }
    return std::nullopt;
}

std::optional<FoundProgram> FindTerminal() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!x11 || !*x11) && (!wayland || !*wayland))
        return std::nullopt;
    for (const char* terminal : kTerminals) {
        if (std::optional<FoundProgram> found = FindProgram(terminal))
            return found;
    }
    return std::nullopt;
}

// Signals whose handling the started program must find as a program normally does, whatever
// this process or the browser before it set.
void ResetSignals(posix_spawnattr_t& attributes) {
    sigset_t signals;
    sigemptyset(&signals);
    for (int signal : {SIGHUP, SIGINT, SIGQUIT, SIGPIPE, SIGTERM, SIGCHLD, SIGTSTP, SIGTTIN,
                       SIGTTOU, SIGUSR1, SIGUSR2})
        sigaddset(&signals, signal);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
}

// Starts the program at path with the words; detached, it gets a session of its own, /dev/null
// for its standard streams and no other file of this process. 0 or the errno value.
int Spawn(const std::string& path, const std::vector<std::string>& words, bool detached,
          pid_t* started = nullptr) {
    std::vector<char*> argv;
    for (const std::string& word : words)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    ResetSignals(attributes);
    short flags = POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (detached) {
        flags |= POSIX_SPAWN_SETSID;
        for (int stream = 0; stream < 3; ++stream)
            posix_spawn_file_actions_addopen(&actions, stream, "/dev/null",
                                             stream == 0 ? O_RDONLY : O_WRONLY, 0);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
        posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#endif
    }
    posix_spawnattr_setflags(&attributes, flags);
    pid_t pid = 0;
    int error = posix_spawn(&pid, path.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (started)
        *started = pid;
    return error;
}

ProcessStart Outcome(int error) {
    return error == 0 ? ProcessStart{true, 0}
                      : ProcessStart{false, static_cast<std::uint32_t>(error)};
}

} // namespace

std::optional<std::string> CPosixProcesses::EnvironmentVariable(std::string_view name) {
    const char* value = std::getenv(std::string(name).c_str());
    return value ? std::optional<std::string>(value) : std::nullopt;
}

ProcessStart CPosixProcesses::StartProcess(std::string_view commandLine) {
    std::optional<InterpreterLine> console =
        ReadInterpreterLine(commandLine, CommandInterpreter(*this));
    std::vector<std::string> words =
        SplitCommandLine(console ? std::string_view(console->command) : commandLine);
    std::optional<FoundProgram> program = words.empty() ? std::nullopt : FindProgram(words.front());
    if (!program)
        return {false, ENOENT};
    if (!console) {
        words.front() = program->name;
        return Outcome(Spawn(program->path, words, true));
    }
    std::optional<FoundProgram> terminal = FindTerminal();
    if (!terminal)
        return {false, kNoTerminal};
    // The terminal's -e takes the program and its arguments as words of their own.
    std::vector<std::string> shown = {terminal->name, "-e"};
    if (console->keepOpen)
        shown.insert(shown.end(), keepOpen_.begin(), keepOpen_.end());
    shown.push_back(program->path);
    shown.insert(shown.end(), words.begin() + 1, words.end());
    return Outcome(Spawn(terminal->path, shown, true));
}

std::optional<std::string> CPosixProcesses::ErrorText(std::uint32_t error) {
    if (error == kNoTerminal)
        return WideToUtf8(Windows1252ToWide(LoadText(ids::kNoTerminal)));
    return std::string(std::strerror(static_cast<int>(error)));
}

std::u16string CUtf8Text::AnsiToWide(std::string_view text) {
    return Utf8ToWide(text);
}

std::string CUtf8Text::WideToAnsi(std::u16string_view text) {
    return WideToUtf8(text);
}

std::optional<std::string> CUtf8Text::FormatInserts(std::string_view pattern,
                                                    const std::vector<MessageArg>& args) {
    return FormatMessageInserts(pattern, args);
}

int RunKeepingConsoleOpen(const std::vector<std::string>& words) {
    int status = 127;
    pid_t pid = 0;
    int error = words.empty() ? ENOENT : Spawn(words.front(), words, false, &pid);
    if (error != 0) {
        std::cerr << (words.empty() ? std::string() : words.front() + ": ") << std::strerror(error)
                  << "\n";
    } else {
        int waited = 0;
        while (waitpid(pid, &waited, 0) < 0 && errno == EINTR) {
        }
        status = WIFEXITED(waited) ? WEXITSTATUS(waited) : 128 + WTERMSIG(waited);
    }
    std::cout << "\n"
              << WideToUtf8(Windows1252ToWide(LoadText(ids::kPressEnterToClose))) << std::flush;
    std::string line;
    std::getline(std::cin, line);
    return status;
}

} // namespace tandrel
