// Handlers whose dialogs are not built yet. Each does nothing visible, so that a menu entry
// already reaches its place in the dispatch; the dialogs replace these one by one.
#include "com/Commands.h"

namespace tandrel {

void RunConfigCommand(CPageContext&) {}
void RunConvertCommand(CPageContext&) {}
void RunCurrencyCommand(CPageContext&) {}
void RunEmailCommand(CPageContext&) {}
void RunIsbnCommand(CPageContext&) {}
void RunGenericLookupCommand(CPageContext&, const GenericLookup&) {}
void RunStockCommand(CPageContext&) {}
void RunTranslateCommand(CPageContext&) {}
void RunUpcCommand(CPageContext&) {}
void RunUrlCommand(CPageContext&) {}

} // namespace tandrel
