// Handlers whose dialogs are not built yet. Each does nothing visible, so that a menu entry
// already reaches its place in the dispatch; the dialogs replace these one by one.
#include "com/Commands.h"

namespace tandrel {

void RunConvertCommand(CPageContext&, const CommandRow&) {}
void RunCurrencyCommand(CPageContext&, const CommandRow&) {}
void RunEmailCommand(CPageContext&, const CommandRow&) {}
void RunIsbnCommand(CPageContext&, const CommandRow&) {}
void RunGenericLookupCommand(CPageContext&, const CommandRow&) {}
void RunStockCommand(CPageContext&, const CommandRow&) {}
void RunTranslateCommand(CPageContext&, const CommandRow&) {}
void RunUpcCommand(CPageContext&, const CommandRow&) {}
void RunUrlCommand(CPageContext&, const CommandRow&) {}

} // namespace tandrel
