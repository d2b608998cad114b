// Handlers whose dialogs are not built yet. Each does nothing visible, so that a menu entry
// already reaches its place in the dispatch; the dialogs replace these one by one.
#include "com/Commands.h"

namespace tandrel {

void RunConvertCommand(CPageContext&, const CommandRow&) {}

} // namespace tandrel
