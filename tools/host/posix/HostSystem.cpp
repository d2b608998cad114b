#include "HostSystem.h"

#include "common/posix/PosixPlatform.h"

#include <cstdlib>

namespace tandrel::host {

namespace {

namespace fs = std::filesystem;

// An absolute folder named by a variable; none when it is not set or not absolute.
std::optional<fs::path> FolderVariable(const char* name) {
    const char* value = std::getenv(name);
    if (!value || *value != '/')
        return std::nullopt;
    return fs::path(value);
}

} // namespace

HostSystemKind ThisSystem() {
    return HostSystemKind::kLinux;
}

fs::path OwnPath() {
    std::error_code error;
    fs::path path = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path("tandrel-host") : path;
}

std::optional<UserFolders> ThisUsersFolders() {
    std::optional<fs::path> home = FolderVariable("HOME");
    if (!home)
        return std::nullopt;
    // The Chromium browsers follow the XDG base directories; Firefox keeps ~/.mozilla.
    return UserFolders{*home, FolderVariable("XDG_CONFIG_HOME").value_or(*home / ".config")};
}

void UseBinaryStandardStreams() {}

SystemParts ThisSystemsParts() {
    // The terminal of a console command that keeps its window open runs this program again.
    static CPosixProcesses processes({OwnPath().string(), "--keep-open"});
    static CUtf8Text text;
    return {&processes, &text};
}

IRegistry* ThisSystemsRegistry() {
    return nullptr;
}

int KeepConsoleOpen(const std::vector<std::string>& words) {
    return RunKeepingConsoleOpen(words);
}

} // namespace tandrel::host
