// Message helpers: string-table texts, formatted messages and message boxes. Every user-visible
// text is a string-table entry in the ANSI code page.
#pragma once

#include "common/Platform.h"

#include <string>
#include <vector>

namespace tandrel {

/// The text of a string-table id, at most 511 characters; an id without text gives "".
std::string LoadText(int id);

/// The text of an id with its numbered inserts ("%1", "%1!d!") filled in; "" when formatting fails.
std::string FormatText(int id, const std::vector<MessageArg>& args);

/// printf-style formatting into a buffer of 1024 bytes, terminator included: longer output is cut.
std::string PrintText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

/// A modal message box with the text and the title LoadText(titleId); a missing owner (0) is
/// replaced by the desktop window. Returns the button pressed.
int ShowMessage(WindowHandle owner, std::string_view text, int titleId, std::uint32_t style);

/// As ShowMessage, with the text taken from the string table.
int ShowMessageId(WindowHandle owner, int textId, int titleId, std::uint32_t style);

} // namespace tandrel
