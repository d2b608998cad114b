// What differs between the systems the host runs on: one implementation in posix/, one in
// win32/, the build picking the system's.
#pragma once

#include "HostInstall.h"
#include "HostMessage.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tandrel::host {

/// The system this program was built for.
HostSystemKind ThisSystem();

/// The full path of this program.
std::filesystem::path OwnPath();

/// The user's folders the Linux places derive from; none when HOME is not set.
std::optional<UserFolders> ThisUsersFolders();

/// Makes standard input and output carry bytes unchanged (Windows would translate line ends).
void UseBinaryStandardStreams();

/// The system's processes and text conversion, for the commands of this process.
SystemParts ThisSystemsParts();

/// The registry the browsers find hosts by; null on a system where they find them by folder.
IRegistry* ThisSystemsRegistry();

/// Runs the words as a console command that keeps its window open (Linux; the terminal started
/// for a console command runs it); the exit status. 2 where there is no such thing.
int KeepConsoleOpen(const std::vector<std::string>& words);

} // namespace tandrel::host
