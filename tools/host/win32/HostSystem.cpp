#include "HostSystem.h"

#include "common/win32/Win32Platform.h"

#include <fcntl.h>
#include <io.h>
#include <stdio.h>

namespace tandrel::host {

HostSystemKind ThisSystem() {
    return HostSystemKind::kWindows;
}

std::filesystem::path OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return std::filesystem::path(path);
        }
        path.resize(path.size() * 2);
    }
}

std::optional<UserFolders> ThisUsersFolders() {
    return UserFolders{};
}

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}

SystemParts ThisSystemsParts() {
    // The browser starts the host with a hidden console of its own, inside a job: a console
    // program gets a console of its own that shows, and outlives the host and the browser.
    static CWin32Processes processes(CREATE_NEW_CONSOLE | CREATE_BREAKAWAY_FROM_JOB);
    static CWin32Text text;
    return {&processes, &text};
}

IRegistry* ThisSystemsRegistry() {
    static CWin32Registry registry;
    return &registry;
}

int KeepConsoleOpen(const std::vector<std::string>&) {
    return 2;
}

} // namespace tandrel::host
