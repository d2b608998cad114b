// The command handlers, one per keyword (the generic lookup serves five keywords). Each runs a
// whole command inside Click: dialog, remembered choices and the chosen entries.
#pragma once

#include "com/CommandDispatch.h"

namespace tandrel {

void RunConfigCommand(CPageContext& page);
void RunConvertCommand(CPageContext& page);
void RunCurrencyCommand(CPageContext& page);
void RunEmailCommand(CPageContext& page);
void RunIsbnCommand(CPageContext& page);
void RunGenericLookupCommand(CPageContext& page, const GenericLookup& lookup);
void RunStockCommand(CPageContext& page);
void RunTranslateCommand(CPageContext& page);
void RunUpcCommand(CPageContext& page);
void RunUrlCommand(CPageContext& page);

} // namespace tandrel
