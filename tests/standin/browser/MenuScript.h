// Finding the script of a browser menu entry as the browser does: the entry's registry key names
// a script page, and the page's <SCRIPT> element holds the code.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tandrel::standin {

/// The code of a script element and the line of the page (0-based) on which it starts.
struct ScriptText {
    std::u16string code;
    unsigned firstLine = 0;
};

/// The code between the first <SCRIPT ...> start tag and the following </SCRIPT> (tag names in
/// any case); none when the page has no complete script element.
std::optional<ScriptText> ExtractScript(std::u16string_view page);

/// The file path of a menu entry's default value: "file:///" followed by the path (the prefix
/// in any case), or a plain path given as it is; an empty value gives none.
std::optional<std::u16string> ScriptPagePath(std::u16string_view menuValue);

/// The registry key of a menu entry in HKEY_CURRENT_USER.
std::u16string MenuEntryKey(std::u16string_view menuText);

/// The default value of the menu entry's key; none when the key or the value is missing.
std::optional<std::u16string> ReadMenuEntry(std::u16string_view menuText);

/// The DLL file of the in-process server registered for a ProgID, read as a 64-bit browser
/// reads it (HKEY_CLASSES_ROOT\PROGID\CLSID, then CLSID\{...}\InprocServer32); none when
/// either is missing.
std::optional<std::u16string> InprocServerPath(std::u16string_view progId);

/// A whole text file: UTF-16 with a byte-order mark, UTF-8 with one, else the ANSI code page.
/// None when the file cannot be read.
std::optional<std::u16string> ReadTextFile(const std::u16string& path);

} // namespace tandrel::standin
