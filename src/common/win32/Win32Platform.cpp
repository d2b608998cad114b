#include "common/win32/Win32Platform.h"

#include "common/MessageFormat.h"
#include "common/win32/Handles.h"

#include <mapi.h>

#include <vector>

namespace tandrel {

namespace {

HKEY RootKey(RegRoot root) {
    return root == RegRoot::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
}

REGSAM AccessMask(RegAccess access) {
    return access == RegAccess::Read ? KEY_READ : KEY_READ | KEY_WRITE;
}

// A null name is the key's default value.
const wchar_t* ValueName(const std::wstring& name) {
    return name.empty() ? nullptr : name.c_str();
}

class CWin32RegKey : public IRegKey {
public:
    explicit CWin32RegKey(UniqueRegKey key) : key_(std::move(key)) {}

    bool SetValue(std::u16string_view name, std::uint32_t type, std::string_view data) override {
        std::wstring valueName = WideArgument(name);
        return RegSetValueExW(key_.Get(), ValueName(valueName), 0, type,
                              reinterpret_cast<const BYTE*>(data.data()),
                              static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
    }

    std::optional<std::string> QueryValue(std::u16string_view name, std::size_t maxBytes) override {
        std::wstring valueName = WideArgument(name);
        std::string buffer(maxBytes, '\0');
        DWORD size = static_cast<DWORD>(maxBytes);
        // A value longer than the buffer fails with ERROR_MORE_DATA: never read in part.
        if (RegQueryValueExW(key_.Get(), ValueName(valueName), nullptr, nullptr,
                             reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
            return std::nullopt;
        buffer.resize(size);
        return buffer;
    }

    bool DeleteSubKey(std::u16string_view name) override {
        LONG status = RegDeleteKeyW(key_.Get(), WideArgument(name).c_str());
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }

    bool DeleteValue(std::u16string_view name) override {
        return RegDeleteValueW(key_.Get(), WideArgument(name).c_str()) == ERROR_SUCCESS;
    }

private:
    UniqueRegKey key_;
};

} // namespace

// ---------------------------------------------------------------------------------------------

std::unique_ptr<IRegKey> CWin32Registry::OpenKey(RegRoot root, std::u16string_view path,
                                                 RegAccess access) {
    UniqueRegKey key;
    if (RegOpenKeyExW(RootKey(root), WideArgument(path).c_str(), 0, AccessMask(access),
                      key.Out()) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<CWin32RegKey>(std::move(key));
}

std::unique_ptr<IRegKey> CWin32Registry::CreateKey(RegRoot root, std::u16string_view path) {
    UniqueRegKey key;
    if (RegCreateKeyExW(RootKey(root), WideArgument(path).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, AccessMask(RegAccess::ReadWrite), nullptr,
                        key.Out(), nullptr) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<CWin32RegKey>(std::move(key));
}

bool CWin32Registry::DeleteKey(RegRoot root, std::u16string_view path) {
    LONG status = RegDeleteKeyW(RootKey(root), WideArgument(path).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool CWin32Registry::DeleteTree(RegRoot root, std::u16string_view path) {
    std::wstring widePath = WideArgument(path);
    LONG status = RegDeleteTreeW(RootKey(root), widePath.c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        return false;
    // RegDeleteTree empties the key; the key itself goes with RegDeleteKey.
    status = RegDeleteKeyW(RootKey(root), widePath.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

// ---------------------------------------------------------------------------------------------

FileReadResult CWin32FileSystem::ReadWholeFile(std::u16string_view path) {
    FileReadResult result;
    UniqueFile file(CreateFileW(WideArgument(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        result.status = HResultFromWin32(GetLastError());
        return result;
    }
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.Get(), &size)) {
        result.status = HResultFromWin32(GetLastError());
        return result;
    }
    // One read takes at most a DWORD's worth; a larger file is refused rather than read in part.
    if (size.QuadPart >= MAXDWORD) {
        result.status = HResultFromWin32(ERROR_FILE_TOO_LARGE);
        return result;
    }
    std::vector<char> buffer(static_cast<std::size_t>(size.QuadPart) + 1);
    DWORD read = 0;
    if (!ReadFile(file.Get(), buffer.data(), static_cast<DWORD>(size.QuadPart), &read, nullptr)) {
        result.status = HResultFromWin32(GetLastError());
        return result;
    }
    result.opened = true;
    result.bytes.assign(buffer.data(), read);
    return result;
}

bool CWin32FileSystem::WriteNewFile(std::u16string_view path, std::string_view bytes) {
    UniqueFile file(CreateFileW(WideArgument(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    return WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == bytes.size();
}

bool CWin32FileSystem::SetAttributes(std::u16string_view path, std::uint32_t attributes) {
    return SetFileAttributesW(WideArgument(path).c_str(), attributes) != FALSE;
}

bool CWin32FileSystem::RemoveFile(std::u16string_view path) {
    return DeleteFileW(WideArgument(path).c_str()) != FALSE;
}

// ---------------------------------------------------------------------------------------------

std::u16string CWin32Module::ModulePath() {
    return FromWide(ModuleFileName(module_));
}

std::optional<std::string_view> CWin32Module::FindModuleResource(std::string_view type, int id) {
    std::wstring typeName(type.begin(), type.end()); // resource types are ASCII names
    HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), typeName.c_str());
    if (!found)
        return std::nullopt;
    // Resources stay mapped as long as the module: nothing to release.
    HGLOBAL loaded = LoadResource(module_, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return std::nullopt;
    return std::string_view(static_cast<const char*>(data), SizeofResource(module_, found));
}

std::string CWin32Module::LoadStringText(int id) {
    // With no buffer, LoadStringW points into the module's own table: the whole text, uncut.
    const wchar_t* text = nullptr;
    int length = LoadStringW(module_, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return {};
    return CWin32Text().WideToAnsi(std::u16string_view(reinterpret_cast<const char16_t*>(text),
                                                       static_cast<std::size_t>(length)));
}

// ---------------------------------------------------------------------------------------------

int CWin32UserInterface::ShowMessageBox(WindowHandle owner, std::string_view text,
                                        std::string_view caption, std::uint32_t style) {
    CWin32Text convert;
    std::wstring wideText = WideArgument(convert.AnsiToWide(text));
    std::wstring wideCaption = WideArgument(convert.AnsiToWide(caption));
    return MessageBoxW(reinterpret_cast<HWND>(owner), wideText.c_str(), wideCaption.c_str(), style);
}

void CWin32UserInterface::Beep(std::uint32_t type) {
    ::MessageBeep(type);
}

std::optional<WorkArea> CWin32UserInterface::GetWorkArea() {
    RECT area = {};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
        return std::nullopt;
    return WorkArea{area.right - area.left, area.bottom - area.top};
}

WindowHandle CWin32UserInterface::DesktopWindow() {
    return reinterpret_cast<WindowHandle>(GetDesktopWindow());
}

bool CWin32UserInterface::BringWindowToFront(WindowHandle window) {
    return SetForegroundWindow(reinterpret_cast<HWND>(window)) != FALSE;
}

std::int32_t CWin32UserInterface::SystemMetric(Metric metric) {
    return GetSystemMetrics(static_cast<int>(metric));
}

// ---------------------------------------------------------------------------------------------

std::optional<std::string> CWin32Processes::EnvironmentVariable(std::string_view name) {
    std::string variable(name);
    std::string value(256, '\0');
    for (;;) {
        SetLastError(ERROR_SUCCESS);
        DWORD length = GetEnvironmentVariableA(variable.c_str(), value.data(),
                                               static_cast<DWORD>(value.size()));
        if (length == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND)
            return std::nullopt;
        // Too small a buffer gives the size needed, terminator included: never a cut value.
        if (length < value.size()) {
            value.resize(length);
            return value;
        }
        value.resize(length);
    }
}

ProcessStart CWin32Processes::StartProcess(std::string_view commandLine) {
    std::string writable(commandLine); // CreateProcess may write into the line
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    auto create = [&](DWORD flags) {
        return CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, flags, nullptr,
                              nullptr, &startup, &process) != FALSE;
    };
    bool created = create(creationFlags_);
    if (!created && (creationFlags_ & CREATE_BREAKAWAY_FROM_JOB) &&
        GetLastError() == ERROR_ACCESS_DENIED) {
        writable = std::string(commandLine);
        created = create(creationFlags_ & ~CREATE_BREAKAWAY_FROM_JOB);
    }
    if (!created)
        return {false, GetLastError()};
    // The program runs on its own: nothing waits for it.
    UniqueHandle thread(process.hThread), started(process.hProcess);
    return {true, 0};
}

std::optional<std::string> CWin32Processes::ErrorText(std::uint32_t error) {
    char* buffer = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                                      FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                  nullptr, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                  reinterpret_cast<char*>(&buffer), 0, nullptr);
    UniqueLocalMemory allocated(buffer);
    if (length == 0 || !buffer)
        return std::nullopt;
    return std::string(buffer, length);
}

// ---------------------------------------------------------------------------------------------

std::optional<std::uint32_t> CWin32Mail::SendMapiMail(const MapiMail& mail) {
    UniqueLibrary library(LoadLibraryA("MAPI32.DLL"));
    if (!library)
        return std::nullopt;
    auto send = reinterpret_cast<LPMAPISENDMAIL>(
        reinterpret_cast<void*>(GetProcAddress(library.Get(), "MAPISendMail")));
    if (!send)
        return std::nullopt;
    // The records point into these copies, which outlive the call.
    std::string subject = mail.subject.value_or("");
    std::string noteText = mail.noteText.value_or("");
    std::vector<std::string> addresses;
    for (const MapiMail::Recipient& recipient : mail.recipients)
        addresses.push_back(recipient.address);
    std::vector<MapiRecipDesc> recipients(mail.recipients.size());
    for (std::size_t i = 0; i < recipients.size(); ++i) {
        recipients[i].ulRecipClass = mail.recipients[i].recipientClass;
        recipients[i].lpszAddress = addresses[i].data();
    }
    MapiMessage message = {};
    message.lpszSubject = mail.subject ? subject.data() : nullptr;
    message.lpszNoteText = mail.noteText ? noteText.data() : nullptr;
    message.nRecipCount = static_cast<ULONG>(recipients.size());
    message.lpRecips = recipients.empty() ? nullptr : recipients.data();
    return static_cast<std::uint32_t>(send(0, 0, &message, MAPI_DIALOG, 0));
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
    // Without this flag a character the code page lacks becomes a look-alike it has: a
    // full-width quote or ampersand from a page would turn into one that ends a quoted console
    // command. The UTF-8 code page refuses the flag, and represents everything anyway.
    DWORD flags = GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    int length = WideCharToMultiByte(CP_ACP, flags, wide, static_cast<int>(text.size()), nullptr, 0,
                                     nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide, static_cast<int>(text.size()), narrow.data(), length,
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
    UniqueLocalMemory allocated(buffer);
    if (length == 0 || !buffer)
        return std::nullopt;
    return std::string(buffer, length);
}

// ---------------------------------------------------------------------------------------------

std::optional<std::string> CWin32Locale::InternationalCurrencySymbol() {
    // Nine characters hold every symbol the system has; a longer one fails rather than being cut.
    wchar_t symbol[9] = {};
    int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SINTLSYMBOL, symbol, 9);
    if (length <= 0)
        return std::nullopt;
    return CWin32Text().WideToAnsi(
        std::u16string_view(reinterpret_cast<const char16_t*>(symbol), wcsnlen(symbol, 9)));
}

// ---------------------------------------------------------------------------------------------

Platform CWin32Platform::View() {
    Platform view;
    view.registry = &registry_;
    view.files = &files_;
    view.module = &module_;
    view.ui = &ui_;
    view.text = &text_;
    view.locale = &locale_;
    view.processes = &processes_;
    view.mail = &mail_;
    return view;
}

} // namespace tandrel
