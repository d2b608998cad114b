// What the configuration subcommands share: their PREFIX argument and the conversion of
// configuration text (Windows-1252) to the tool's UTF-8.
#pragma once

#include "ToolContext.h"

#include <string>
#include <string_view>

namespace tandrel::tool {

/// The one PREFIX argument left in the context, in the configuration's code page; throws
/// UsageError naming the subcommand when there is not exactly one.
std::string PrefixArgument(const ToolContext& context, const char* subcommand);

/// Configuration bytes (Windows-1252) as UTF-8.
std::string ConfigTextToUtf8(std::string_view text);

} // namespace tandrel::tool
