// The tool's subcommands. Each takes the context with its remaining arguments and returns the
// exit code; usage errors are thrown as UsageError.
#pragma once

#include "ToolContext.h"

namespace tandrel::tool {

int RunCollapse(ToolContext& context);
int RunCommands(ToolContext& context);
int RunExpand(ToolContext& context);
int RunDomain(ToolContext& context);
int RunCurrency(ToolContext& context);
int RunFeatures(ToolContext& context);
int RunEntries(ToolContext& context);
int RunSections(ToolContext& context);
int RunLinks(ToolContext& context);
int RunLint(ToolContext& context);
int RunFind(ToolContext& context);
int RunUnits(ToolContext& context);
int RunConvert(ToolContext& context);

struct Subcommand {
    const char* name;
    const char* synopsis;
    int (*run)(ToolContext& context);
};

/// Every subcommand, in the order --help lists them.
const std::vector<Subcommand>& AllSubcommands();

} // namespace tandrel::tool
