// The command handlers, one per kind of command (the generic lookup serves five keywords). Each
// runs a whole command inside Click: dialog, remembered choices and the chosen entries, with the
// prefix, texts and help entry of its row in the command table.
#pragma once

#include "com/CommandTable.h"

namespace tandrel {

void RunConvertCommand(CPageContext& page, const CommandRow& row);
void RunCurrencyCommand(CPageContext& page, const CommandRow& row);
void RunEmailCommand(CPageContext& page, const CommandRow& row);
void RunIsbnCommand(CPageContext& page, const CommandRow& row);
void RunGenericLookupCommand(CPageContext& page, const CommandRow& row);
void RunStockCommand(CPageContext& page, const CommandRow& row);
void RunTranslateCommand(CPageContext& page, const CommandRow& row);
void RunUpcCommand(CPageContext& page, const CommandRow& row);
void RunUrlCommand(CPageContext& page, const CommandRow& row);

} // namespace tandrel
