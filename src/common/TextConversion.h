// Conversions between the ANSI code page, UTF-16 and UTF-8, and small wide-text helpers.
#pragma once

#include <string>
#include <string_view>

namespace tandrel {

/// ANSI code page (the configuration file's) to UTF-16, through the platform.
std::u16string AnsiToWide(std::string_view text);

/// UTF-16 to the ANSI code page, through the platform; unmappable characters become its default.
std::string WideToAnsi(std::u16string_view text);

/// UTF-8 to UTF-16; malformed sequences become U+FFFD.
std::u16string Utf8ToWide(std::string_view text);

/// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string WideToUtf8(std::u16string_view text);

/// Windows-1252 to UTF-16, byte for character (the five unassigned bytes map to U+0081 etc.).
std::u16string Windows1252ToWide(std::string_view text);

/// UTF-16 to Windows-1252; characters it cannot hold become unmappable ("?" unless told).
std::string WideToWindows1252(std::u16string_view text, char unmappable = '?');

/// A copy with ASCII capitals A to Z lowered; every other byte unchanged.
std::string AsciiLower(std::string_view text);

/// True when a and b are equal without regard to the case of ASCII letters.
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);

} // namespace tandrel
