// A portable reading of the platform's message formatter, for builds without it.
#pragma once

#include "common/Platform.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandrel {

/// Fills "%1" to "%99" (each optionally followed by a printf conversion between "!" marks, "s" by
/// default) from args, and reads the escapes "%0" (end of message), "%n" (CR LF), "%r", "%t",
/// "%%" and "%" before any other character (that character). None when an insert has no
/// argument or its conversion does not suit the argument.
std::optional<std::string> FormatMessageInserts(std::string_view pattern,
                                                const std::vector<MessageArg>& args);

/// The highest insert number the pattern names (0 when it names none); a formatter that reads
/// its inserts from an array must not be given a pattern that names more than it holds.
int HighestInsert(std::string_view pattern);

} // namespace tandrel
