#include "ConfigText.h"
#include "Subcommands.h"
#include "config/ConfigLoader.h"

#include <ostream>

namespace tandrel::tool {

int RunSections(ToolContext& context) {
    std::string prefix = PrefixArgument(context, "sections");
    CSectionList sections;
    LoadSections(sections, prefix, IsSystemPrefix(prefix));
    for (const CConfigSection& section : sections) {
        *context.out << "[" << ConfigTextToUtf8(section.GetName()) << "]\n";
        for (const auto& [key, value] : section.Values())
            *context.out << ConfigTextToUtf8(key) << "=" << ConfigTextToUtf8(value) << "\n";
        *context.out << "\n";
    }
    return sections.empty() ? kExitNotFound : kExitSuccess;
}

} // namespace tandrel::tool
