#include "ConfigText.h"
#include "Subcommands.h"

#include "common/Platform.h"
#include "lint/ConfigLint.h"

#include <filesystem>
#include <ostream>

namespace tandrel::tool {

int RunLint(ToolContext& context) {
    if (context.arguments.size() != 1)
        throw UsageError{"lint takes one FILE, the link configuration file to check"};
    const std::string& name = context.arguments.front();
    std::error_code ignored;
    std::filesystem::path path = std::filesystem::u8path(name);
    FileReadResult file = std::filesystem::is_directory(path, ignored)
                              ? FileReadResult{}
                              : CurrentPlatform().files->ReadWholeFile(path.u16string());
    if (!file.opened)
        throw UsageError{"cannot read " + name};
    std::vector<LintFinding> findings = LintConfigText(file.bytes);
    for (const LintFinding& finding : findings)
        *context.out << name << ":" << finding.line << ": " << ConfigTextToUtf8(finding.message)
                     << "\n";
    return findings.empty() ? kExitSuccess : kExitNotFound;
}

} // namespace tandrel::tool
