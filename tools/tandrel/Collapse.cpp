#include "Subcommands.h"

#include "common/TextConversion.h"
#include "page/PageContext.h"

#include <ostream>

namespace tandrel::tool {

int RunCollapse(ToolContext& context) {
    if (!context.arguments.empty())
        throw UsageError{"collapse takes no arguments"};
    CPageContext page;
    if (Failed(page.Load(context.frame)))
        return kExitNotFound;
    *context.out << WideToUtf8(page.GetCollapsedSelection()) << "\n";
    return kExitSuccess;
}

} // namespace tandrel::tool
