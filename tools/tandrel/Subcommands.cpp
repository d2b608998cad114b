#include "Subcommands.h"

namespace tandrel::tool {

const std::vector<Subcommand>& AllSubcommands() {
    static const std::vector<Subcommand> subcommands = {
        {"collapse", "collapse [page options]   the selection trimmed, inner white space as one space",
         RunCollapse},
    };
    return subcommands;
}

} // namespace tandrel::tool
