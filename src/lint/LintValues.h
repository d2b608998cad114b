// What the reader makes of a single value: the "values" findings of LintConfigText. Each check
// gets the key as written and its value verbatim, and returns the finding's message (a text of the
// string table, through the current platform) when the reader does something other than what the
// writer most likely meant, none otherwise; the checker adds the line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tandrel {

/// A flag decides by its first byte alone ("1TtYy" yes, "0FfNn" no); any other first byte
/// leaves the flag at flagDefault. An empty value is no finding.
std::optional<std::string> FlagFinding(std::string_view written, std::string_view value,
                                       bool flagDefault);

/// A window dimension is read as a number immediately followed by nothing or by "%"; anything
/// else gives no dimension, and text after the "%" is ignored. An empty value is no finding.
std::optional<std::string> DimensionFinding(std::string_view written, std::string_view value);

/// An empty windowName keeps the default window name, "_blank".
std::optional<std::string> WindowNameFinding(std::string_view value);

/// href reaches the page as written, so a macro in it (other than in a "javascript:" href) is
/// never expanded.
std::optional<std::string> HrefFinding(std::string_view value);

/// URLCharset names "windows-1252" or "utf-8"; any other value leaves the entry encoding in
/// Windows-1252. An empty value is no finding.
std::optional<std::string> CharsetFinding(std::string_view value);

/// A category keeps the blanks around it, which makes it a category of its own. An empty value
/// is no finding.
std::optional<std::string> CategoryFinding(std::string_view value);

/// A unit's a or b holds the number at the start of its value; with none there the reader uses
/// fallback, and any text after the number is ignored. An empty value is no finding.
std::optional<std::string> NumberFinding(std::string_view written, std::string_view value,
                                         std::string_view fallback);

/// The aliases of a power line, separated by ",": a blank first alias adds no unit for the line,
/// and an alias that begins with a blank is never recognised after an amount. value is the
/// value of a power key that has one.
std::optional<std::string> AliasesFinding(std::string_view written, std::string_view value);

} // namespace tandrel
