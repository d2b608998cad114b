#include "ConfigText.h"
#include "Subcommands.h"

#include "common/Messages.h"
#include "resources/CommandInfo.h"

#include <ostream>

namespace tandrel::tool {

// Which menu entry reads which entries: a configuration writer's map from a prefix to the menu.
int RunCommands(ToolContext& context) {
    if (!context.arguments.empty())
        throw UsageError{"commands takes no arguments"};
    for (const CommandInfo& row : kCommandInfos) {
        *context.out << row.keyword << "\t" << ConfigTextToUtf8(LoadText(row.menuTextId)) << "\t"
                     << row.pageFile << "\t" << row.linkPrefix << "\t" << row.helpEntry << "\n";
    }
    return kExitSuccess;
}

} // namespace tandrel::tool
