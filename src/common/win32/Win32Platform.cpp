#include "common/win32/Win32Platform.h"

#include "common/MessageFormat.h"

#include <vector>

namespace tandrel {

namespace {

HKEY RootKey(RegRoot root) {
    return root == RegRoot::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
}

class CWin32RegKey : public IRegKey {
public:
    explicit CWin32RegKey(HKEY key) : key_(key) {}
    ~CWin32RegKey() override { RegCloseKey(key_); }
    CWin32RegKey(const CWin32RegKey&) = delete;
    CWin32RegKey& operator=(const CWin32RegKey&) = delete;

    bool SetValue(std::string_view name, std::uint32_t type, std::string_view data) override {
        std::string valueName(name);
        return RegSetValueExA(key_, valueName.empty() ? nullptr : valueName.c_str(), 0, type,
                              reinterpret_cast<const BYTE*>(data.data()),
                              static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
    }

    std::optional<std::string> QueryValue(std::string_view name, std::size_t maxBytes) override {
        std::string valueName(name);
        std::string buffer(maxBytes, '\0');
        DWORD size = static_cast<DWORD>(maxBytes);
        LONG status =
            RegQueryValueExA(key_, valueName.empty() ? nullptr : valueName.c_str(), nullptr,
                             nullptr, reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (status != ERROR_SUCCESS)
            return std::nullopt;
        buffer.resize(size);
        return buffer;
    }

    bool DeleteSubKey(std::string_view name) override {
        LONG status = RegDeleteKeyA(key_, std::string(name).c_str());
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }

    bool DeleteValue(std::string_view name) override {
        return RegDeleteValueA(key_, std::string(name).c_str()) == ERROR_SUCCESS;
    }

private:
    HKEY key_;
};

} // namespace

// ---------------------------------------------------------------------------------------------

std::unique_ptr<IRegKey> CWin32Registry::OpenKey(RegRoot root, std::string_view path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(RootKey(root), std::string(path).c_str(), 0, KEY_ALL_ACCESS, &key) !=
        ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<CWin32RegKey>(key);
}

std::unique_ptr<IRegKey> CWin32Registry::CreateKey(RegRoot root, std::string_view path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(RootKey(root), std::string(path).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<CWin32RegKey>(key);
}

bool CWin32Registry::DeleteKey(RegRoot root, std::string_view path) {
    LONG status = RegDeleteKeyA(RootKey(root), std::string(path).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool CWin32Registry::DeleteTree(RegRoot root, std::string_view path) {
    LONG status = RegDeleteTreeA(RootKey(root), std::string(path).c_str());
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) {
        // RegDeleteTree empties the key; the key itself goes with RegDeleteKey.
        RegDeleteKeyA(RootKey(root), std::string(path).c_str());
        return true;
    }
    return false;
}

// ---------------------------------------------------------------------------------------------

FileReadResult CWin32FileSystem::ReadWholeFile(std::string_view path) {
    FileReadResult result;
    HANDLE file = CreateFileA(std::string(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        result.status = HResultFromWin32(GetLastError());
        return result;
    }
    DWORD size = GetFileSize(file, nullptr);
    std::vector<char> buffer(size == INVALID_FILE_SIZE ? 1 : size + 1);
    DWORD read = 0;
    if (size != INVALID_FILE_SIZE && ReadFile(file, buffer.data(), size, &read, nullptr)) {
        result.opened = true;
        result.bytes.assign(buffer.data(), read);
    } else {
        result.status = HResultFromWin32(GetLastError());
    }
    CloseHandle(file);
    return result;
}

bool CWin32FileSystem::WriteNewFile(std::string_view path, std::string_view bytes) {
    HANDLE file = CreateFileA(std::string(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

bool CWin32FileSystem::SetAttributes(std::string_view path, std::uint32_t attributes) {
    return SetFileAttributesA(std::string(path).c_str(), attributes) != FALSE;
}

bool CWin32FileSystem::RemoveFile(std::string_view path) {
    return DeleteFileA(std::string(path).c_str()) != FALSE;
}

// ---------------------------------------------------------------------------------------------

std::string CWin32Module::ModulePath() {
    char path[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(module_, path, MAX_PATH);
    return std::string(path, length);
}

std::optional<std::string_view> CWin32Module::FindModuleResource(std::string_view type, int id) {
    HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(id), std::string(type).c_str());
    if (!found)
        return std::nullopt;
    HGLOBAL loaded = LoadResource(module_, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return std::nullopt;
    return std::string_view(static_cast<const char*>(data), SizeofResource(module_, found));
}

std::string CWin32Module::LoadStringText(int id) {
    char text[512] = {};
    int length = LoadStringA(module_, static_cast<UINT>(id), text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

// ---------------------------------------------------------------------------------------------

int CWin32UserInterface::ShowMessageBox(WindowHandle owner, std::string_view text,
                                        std::string_view caption, std::uint32_t style) {
    return MessageBoxA(reinterpret_cast<HWND>(owner), std::string(text).c_str(),
                       std::string(caption).c_str(), style);
}

void CWin32UserInterface::Beep(std::uint32_t type) {
    ::MessageBeep(type);
}

std::optional<WorkArea> CWin32UserInterface::GetWorkArea() {
    RECT area = {};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        return std::nullopt;
    return WorkArea{area.right - area.left, area.bottom - area.top};
}

WindowHandle CWin32UserInterface::DesktopWindow() {
    return reinterpret_cast<WindowHandle>(GetDesktopWindow());
}

bool CWin32UserInterface::BringWindowToFront(WindowHandle window) {
    return SetForegroundWindow(reinterpret_cast<HWND>(window)) != FALSE;
}

// ---------------------------------------------------------------------------------------------

std::u16string CWin32Text::AnsiToWide(std::string_view text) {
    if (text.empty())
        return {};
    int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                        reinterpret_cast<wchar_t*>(wide.data()), length);
    return wide;
}

std::string CWin32Text::WideToAnsi(std::u16string_view text) {
    if (text.empty())
        return {};
    const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
    int length = WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(text.size()), nullptr, 0,
                                     nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(text.size()), narrow.data(), length,
                        nullptr, nullptr);
    return narrow;
}

std::optional<std::string> CWin32Text::FormatInserts(std::string_view pattern,
                                                     const std::vector<MessageArg>& args) {
    // The formatter reads each insert from an array of pointer-sized values (the address of a
    // string, or a number) and cannot tell where the array ends.
    if (HighestInsert(pattern) > static_cast<int>(args.size()))
        return std::nullopt;
    std::vector<DWORD_PTR> values;
    for (const MessageArg& arg : args) {
        if (const auto* text = std::get_if<std::string>(&arg))
            values.push_back(reinterpret_cast<DWORD_PTR>(text->c_str()));
        else
            values.push_back(static_cast<DWORD_PTR>(std::get<std::int64_t>(arg)));
    }
    std::string source(pattern);
    char* buffer = nullptr;
    DWORD length = FormatMessageA(
        FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY | FORMAT_MESSAGE_ALLOCATE_BUFFER,
        source.c_str(), 0, 0, reinterpret_cast<char*>(&buffer), 0,
        reinterpret_cast<va_list*>(values.empty() ? nullptr : values.data()));
    if (length == 0 || !buffer)
        return std::nullopt;
    std::string result(buffer, length);
    LocalFree(buffer);
    return result;
}

// ---------------------------------------------------------------------------------------------

Platform CWin32Platform::View() {
    Platform view;
    view.registry = &registry_;
    view.files = &files_;
    view.module = &module_;
    view.ui = &ui_;
    view.text = &text_;
    return view;
}

} // namespace tandrel
