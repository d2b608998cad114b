// The command handlers whose dialogs are not built yet (the conversion commands). Each runs a
// whole command inside Click, with the prefix, texts and help entry of its row in the command
// table.
#pragma once

#include "com/CommandTable.h"

namespace tandrel {

void RunConvertCommand(CPageContext& page, const CommandRow& row);

} // namespace tandrel
