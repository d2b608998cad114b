#include "WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <shellapi.h>
#include <tlhelp32.h>

namespace tandrel::test {

// Filled by main before the tests run.
std::vector<std::wstring> arguments;

const std::vector<std::wstring>& ProgramArguments() {
    return arguments;
}

std::wstring Widen(const std::string& text) {
    std::wstring wide;
    for (unsigned char ch : text)
        wide += static_cast<wchar_t>(ch);
    return wide;
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t ch : text)
        narrow += ch < 256 ? static_cast<char>(ch) : '?';
    return narrow;
}

std::wstring WindowsPathOf(const std::wstring& path) {
    if (path.empty() || path[0] != L'/')
        return path;
    std::wstring windows = L"Z:" + path;
    for (wchar_t& ch : windows) {
        if (ch == L'/')
            ch = L'\\';
    }
    return windows;
}

std::wstring BuiltDllPath() {
    if (arguments.size() < 2)
        return L"";
    return WindowsPathOf(arguments[1]);
}

DWORD RunProgram(const std::wstring& commandLine) {
    std::wstring writable = commandLine;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return static_cast<DWORD>(-1);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = static_cast<DWORD>(-1);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

DWORD RunRegsvr32(const std::wstring& dllPath, bool unregister, const std::wstring& switches) {
    return RunProgram(std::wstring(L"regsvr32.exe ") + (unregister ? L"/u " : L"") + switches +
                      L"/s \"" + dllPath + L"\"");
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool whole =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    CloseHandle(file);
    return whole;
}

bool ProcessRunning(const std::wstring& executable) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found;
         more = Process32NextW(snapshot, &entry))
        found = lstrcmpiW(entry.szExeFile, executable.c_str()) == 0;
    CloseHandle(snapshot);
    return found;
}

bool CopyFileTo(const std::wstring& from, const std::wstring& to) {
    return CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE;
}

void CreateFolders(const std::wstring& folder) {
    for (std::size_t at = folder.find(L'\\', 3); at != std::wstring::npos;
         at = folder.find(L'\\', at + 1))
        CreateDirectoryW(folder.substr(0, at).c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
}

std::string ReadFileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

bool KeyExists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::optional<RegistryValue> ReadValue(HKEY root, const std::wstring& path,
                                       const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    // Read through the ANSI call: the system writes and compares these values as ANSI text.
    std::string valueName = Narrow(name);
    DWORD type = 0, size = 0;
    std::optional<RegistryValue> result;
    if (RegQueryValueExA(key, valueName.empty() ? nullptr : valueName.c_str(), nullptr, &type,
                         nullptr, &size) == ERROR_SUCCESS) {
        RegistryValue value;
        value.type = type;
        value.data.resize(size);
        if (RegQueryValueExA(key, valueName.empty() ? nullptr : valueName.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(value.data.data()), &size) == ERROR_SUCCESS) {
            value.data.resize(size);
            result = value;
        }
    }
    RegCloseKey(key);
    return result;
}

std::optional<std::string> ReadStringValue(HKEY root, const std::wstring& path,
                                           const std::wstring& name) {
    std::optional<RegistryValue> value = ReadValue(root, path, name);
    if (!value || value->type != REG_SZ || value->data.empty() || value->data.back() != '\0')
        return std::nullopt;
    return value->data.substr(0, value->data.size() - 1);
}

std::optional<std::wstring> ReadWideStringValue(HKEY root, const std::wstring& path,
                                                const std::wstring& name) {
    std::wstring text(1024, L'\0');
    DWORD type = 0, size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(root, path.c_str(), name.empty() ? nullptr : name.c_str(), RRF_RT_ANY, &type,
                     text.data(), &size) != ERROR_SUCCESS ||
        type != REG_SZ || size < sizeof(wchar_t) || text[size / sizeof(wchar_t) - 1] != L'\0')
        return std::nullopt;
    text.resize(size / sizeof(wchar_t) - 1);
    return text;
}

namespace {

// The names a registry enumeration call gives, index by index, until it reports no more.
template <typename Enumerate>
std::vector<std::wstring> EnumerateNames(HKEY root, const std::wstring& path, Enumerate next) {
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return names;
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = 256;
        if (next(key, index, name, &length) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

} // namespace

std::vector<std::wstring> SubKeyNames(HKEY root, const std::wstring& path) {
    return EnumerateNames(root, path, [](HKEY key, DWORD index, wchar_t* name, DWORD* length) {
        return RegEnumKeyExW(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

std::vector<std::wstring> ValueNames(HKEY root, const std::wstring& path) {
    return EnumerateNames(root, path, [](HKEY key, DWORD index, wchar_t* name, DWORD* length) {
        return RegEnumValueW(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

} // namespace tandrel::test

// GoogleTest's main, keeping the arguments it leaves for the tests (the DLL's path).
int main(int, char**) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    testing::InitGoogleTest(&argc, argv);
    for (int i = 0; i < argc; ++i)
        tandrel::test::arguments.emplace_back(argv[i]);
    LocalFree(argv);
    return RUN_ALL_TESTS();
}
