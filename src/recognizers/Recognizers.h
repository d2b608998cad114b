// Recognisers for the codes a user selects in a page: ISBN-10, EAN-13 and UPC-A numbers and stock
// symbols. Pure functions on UTF-16 text; each runs in time linear in the length of its text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tandrel {

// Character classes -----------------------------------------------------------------------------

/// True for the Unicode decimal digits of the Basic Multilingual Plane (category Nd, Unicode 14:
/// '0'..'9' and the 36 other blocks of ten, U+0660..0669 to U+FF10..FF19). A fixed table, so that
/// every platform reads the same runs whatever its locale.
bool IsWideDecimalDigit(char16_t ch);

/// The first digit of each block of ten that IsWideDecimalDigit holds, in ascending order: the
/// table it is built from.
std::u16string_view WideDigitBlockStarts();

/// True for the lowercase letters of Latin-1 (category Ll below U+0100): 'a'..'z', U+00B5 and
/// U+00DF..U+00FF except U+00F7. Characters above U+00FF are never lowercase here.
bool IsWideLowercase(char16_t ch);

// Checks ----------------------------------------------------------------------------------------

/// True for ten characters whose first nine are '0'..'9' and whose tenth is a digit or "X"/"x"
/// (ten), weighted 1..10 from the left to a sum divisible by 11.
bool IsValidIsbn10(std::u16string_view code);

/// True for thirteen '0'..'9' weighted 1,3,1,3,... from the left to a sum divisible by 10.
bool IsValidEan13(std::u16string_view code);

/// True for twelve '0'..'9' weighted 3,1,3,1,... from the left to a sum divisible by 10.
bool IsValidUpcA(std::u16string_view code);

// Finders ---------------------------------------------------------------------------------------
// Each reads its text as WithoutCodeLabelNumbers gives it.

/// The first valid ISBN-10 in the text. Digits (any IsWideDecimalDigit) are counted into runs that
/// spaces and hyphens do not break; an "x"/"X" after exactly nine digits is the tenth (given as
/// "X"). A run of exactly ten ends at any other character or the end of the text. A longer run,
/// unless it has 12 or 13 digits (a UPC-A or EAN-13 in groups), is a code followed or led by
/// other numbers: its first piece between spaces that is a whole valid code counts
/// ("0306406152 1998"; hyphens do not cut pieces).
std::optional<std::u16string> FindIsbn10(std::u16string_view text);

/// The first valid EAN-13 in the text: thirteen '0'..'9' of a group that only an ASCII letter
/// ends, everything else between them skipped. Tried from each digit in turn; none as soon as
/// fewer than 13 characters remain from the digit, or the text ends inside the thirteen.
std::optional<std::u16string> FindEan13(std::u16string_view text);

/// The ISBN-10 of a valid EAN-13 that begins "978": its last ten digits with a new check
/// character ("X" for ten). None for any other text.
std::optional<std::u16string> EanToIsbn10(std::u16string_view ean);

/// The ISBN a valid EAN-13 stands for: the ISBN-10 of one that begins "978" (EanToIsbn10), the
/// thirteen digits themselves for one that begins "979", which has no ten-digit form. None for
/// any other text.
std::optional<std::u16string> IsbnOfEan13(std::u16string_view ean);

/// The text with the number of every code label made letters ("L"): "ISBN", "EAN" or "UPC" in
/// any letter case, not after a letter, then at most one hyphen, blank or "_", then a number of
/// that kind of code ("10" or "13" for ISBN, "13" or "8" for EAN, "12" for UPC) that no digit
/// follows. The finders below read their text so: a label's digits never join the code printed
/// after it ("ISBN-13: 978-...") nor make one of their own.
std::u16string WithoutCodeLabelNumbers(std::u16string_view text);

/// The first valid UPC-A in the text: the FindIsbn10 runs with twelve digits and no "X", and
/// the pieces between spaces of a run of 14 digits or more.
std::optional<std::u16string> FindUpc12(std::u16string_view text);

/// The first UPC-A written without its leading zeros: a run as for FindUpc12 of 10, 11 or 12
/// digits, left-padded with "0" to twelve and valid; a run of 14 digits or more is tried piece
/// by piece as FindUpc12 does.
std::optional<std::u16string> FindShortUpc(std::u16string_view text);

/// The first run of exactly eleven consecutive '0'..'9' (nothing between them), with the UPC-A
/// check digit appended.
std::optional<std::u16string> CompleteUpc11(std::u16string_view text);

/// A search for one kind of code in a text.
using CodeFinder = std::optional<std::u16string> (*)(std::u16string_view text);

/// The UPC-A searches from the strictest to the loosest, in the order the commands try them.
inline constexpr CodeFinder kUpcFinders[] = {FindUpc12, FindShortUpc, CompleteUpc11};

/// The stock symbol the text names: a run of 'A'..'Z' and "." (a final "." dropped unless the run
/// ends the text) that no lowercase letter touches, the text inside brackets when it has an
/// opening one (up to its last closing one), and the symbol after an exchange such as "NYSE:".
/// Empty when there is none; the text unchanged when it is empty, holds only brackets, or is a
/// word such as "eBAY" whose capitals run to its end.
std::u16string FindStockSymbol(std::u16string_view text);

} // namespace tandrel
