// Helpers for the Windows tests: the program's arguments, paths, processes and the registry.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tandrel::test {

/// The arguments left after GoogleTest took its own (argument 0 is the program).
const std::vector<std::wstring>& ProgramArguments();

/// The Windows form of a path given on the command line: a Unix path maps onto drive Z:.
std::wstring WindowsPathOf(const std::wstring& path);

/// The built nubrix.dll (first program argument) as a Windows path.
std::wstring BuiltDllPath();

/// Runs a command line, waits for it and returns its exit code (or -1 when it cannot start).
DWORD RunProgram(const std::wstring& commandLine);

/// regsvr32 /s (or /u /s) on a DLL, with further switches ("/n /i ") before /s; returns its exit
/// code.
DWORD RunRegsvr32(const std::wstring& dllPath, bool unregister = false,
                  const std::wstring& switches = L"");

bool CopyFileTo(const std::wstring& from, const std::wstring& to);

/// Creates a folder and its parents.
void CreateFolders(const std::wstring& folder);

std::string ReadFileBytes(const std::wstring& path);

/// Creates (or replaces) a file with the bytes; false when it cannot.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

/// Whether a process of that executable name (any letter case) is running.
bool ProcessRunning(const std::wstring& executable);

/// Asks condition every tenth of a second until it holds or a minute has gone, a bound no loaded
/// machine reaches for what the tests wait on; whether it held.
template <typename Condition> bool WaitUntil(Condition condition) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < 60000; Sleep(100)) {
        if (condition())
            return true;
    }
    return condition();
}

// Registry reads -----------------------------------------------------------------------------

struct RegistryValue {
    DWORD type = REG_NONE;
    std::string data; ///< raw bytes
};

bool KeyExists(HKEY root, const std::wstring& path);
std::optional<RegistryValue> ReadValue(HKEY root, const std::wstring& path,
                                       const std::wstring& name);
/// A REG_SZ value's text, when the value exists, is a REG_SZ and counts its terminating zero.
std::optional<std::string> ReadStringValue(HKEY root, const std::wstring& path,
                                           const std::wstring& name);
/// The same through the wide call, for texts the ANSI code page cannot hold.
std::optional<std::wstring> ReadWideStringValue(HKEY root, const std::wstring& path,
                                                const std::wstring& name);
std::vector<std::wstring> SubKeyNames(HKEY root, const std::wstring& path);
std::vector<std::wstring> ValueNames(HKEY root, const std::wstring& path);

/// Initialises COM on this thread for the lifetime of the object.
class ComScope {
public:
    ComScope() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComScope() { CoUninitialize(); }
};

std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);

} // namespace tandrel::test
