#include "MenuScript.h"

#include "StandInText.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace tandrel::standin {

namespace {

// The position of the tag name `name` (after "<" or "</") at or after `from`, matched without
// regard to case and followed by white space or ">"; npos when there is none.
size_t FindTag(std::u16string_view page, std::u16string_view opening, size_t from) {
    while (from < page.size()) {
        size_t at = page.find(u'<', from);
        if (at == std::u16string_view::npos)
            return at;
        std::u16string_view rest = page.substr(at);
        if (rest.size() > opening.size() && EqualsNoCase(rest.substr(0, opening.size()), opening)) {
            char16_t next = rest[opening.size()];
            if (next == u'>' || next == u' ' || next == u'\t' || next == u'\r' || next == u'\n')
                return at;
        }
        from = at + 1;
    }
    return std::u16string_view::npos;
}

std::u16string AnsiToWide(const std::string& bytes, UINT codePage) {
    if (bytes.empty())
        return {};
    int size =
        MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::u16string text(static_cast<size_t>(size), u'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()),
                        reinterpret_cast<wchar_t*>(text.data()), size);
    return text;
}

} // namespace

std::optional<ScriptText> ExtractScript(std::u16string_view page) {
    size_t open = FindTag(page, u"<script", 0);
    if (open == std::u16string_view::npos)
        return std::nullopt;
    size_t codeStart = page.find(u'>', open);
    if (codeStart == std::u16string_view::npos)
        return std::nullopt;
    ++codeStart;
    size_t close = FindTag(page, u"</script", codeStart);
    if (close == std::u16string_view::npos)
        return std::nullopt;
    ScriptText script;
    script.code = std::u16string(page.substr(codeStart, close - codeStart));
    script.firstLine =
        static_cast<unsigned>(std::count(page.begin(), page.begin() + codeStart, u'\n'));
    return script;
}

std::optional<std::u16string> ScriptPagePath(std::u16string_view menuValue) {
    constexpr std::u16string_view kFilePrefix = u"file:///";
    if (menuValue.size() >= kFilePrefix.size() &&
        EqualsNoCase(menuValue.substr(0, kFilePrefix.size()), kFilePrefix))
        menuValue.remove_prefix(kFilePrefix.size());
    if (menuValue.empty())
        return std::nullopt;
    return std::u16string(menuValue);
}

std::u16string MenuEntryKey(std::u16string_view menuText) {
    return u"Software\\Microsoft\\Internet Explorer\\MenuExt\\" + std::u16string(menuText);
}

std::optional<std::u16string> ReadMenuEntry(std::u16string_view menuText) {
    std::u16string key = MenuEntryKey(menuText);
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, Wide(key), nullptr, RRF_RT_REG_SZ, nullptr, nullptr,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::u16string value(size / sizeof(char16_t), u'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, Wide(key), nullptr, RRF_RT_REG_SZ, nullptr, value.data(),
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.resize(std::min<size_t>(value.size(), size / sizeof(char16_t)));
    while (!value.empty() && value.back() == u'\0')
        value.pop_back();
    return value;
}

namespace {

// The default value of a key of HKEY_CLASSES_ROOT, environment strings expanded. The key is read
// in this process's own view, as a browser of its word size finds its in-process servers: a 32-bit
// browser on 64-bit Windows sees the classes that 32-bit registration wrote.
std::optional<std::u16string> ClassesRootValue(const std::u16string& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, Wide(key), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD size = 0;
    // REG_SZ here takes REG_EXPAND_SZ too, expanded.
    const DWORD kinds = RRF_RT_REG_SZ;
    LSTATUS status = RegGetValueW(opened, nullptr, nullptr, kinds, nullptr, nullptr, &size);
    std::u16string value(size / sizeof(char16_t) + 1, u'\0');
    if (status == ERROR_SUCCESS) {
        size = static_cast<DWORD>(value.size() * sizeof(char16_t));
        status = RegGetValueW(opened, nullptr, nullptr, kinds, nullptr, value.data(), &size);
    }
    RegCloseKey(opened);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    value.resize(std::min<size_t>(value.size(), size / sizeof(char16_t)));
    while (!value.empty() && value.back() == u'\0')
        value.pop_back();
    if (value.empty())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::u16string> InprocServerPath(std::u16string_view progId) {
    std::optional<std::u16string> clsid = ClassesRootValue(std::u16string(progId) + u"\\CLSID");
    if (!clsid)
        return std::nullopt;
    return ClassesRootValue(u"CLSID\\" + *clsid + u"\\InprocServer32");
}

std::optional<std::u16string> ReadTextFile(const std::u16string& path) {
    HANDLE file = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &read, nullptr) != FALSE) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    if (!ok)
        return std::nullopt;
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE')
        return std::u16string(reinterpret_cast<const char16_t*>(bytes.data() + 2),
                              (bytes.size() - 2) / 2);
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return AnsiToWide(bytes.substr(3), CP_UTF8);
    return AnsiToWide(bytes, CP_ACP);
}

} // namespace tandrel::standin
