#include "ConfigText.h"

#include "common/TextConversion.h"

namespace tandrel::tool {

std::string PrefixArgument(const ToolContext& context, const char* subcommand) {
    if (context.arguments.size() != 1)
        throw UsageError{std::string(subcommand) + " takes one PREFIX, such as ISBN:"};
    return WideToWindows1252(Utf8ToWide(context.arguments.front()));
}

std::string ConfigTextToUtf8(std::string_view text) {
    return WideToUtf8(Windows1252ToWide(text));
}

} // namespace tandrel::tool
