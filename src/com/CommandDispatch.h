// The command keywords of the menu entries and the handler each one runs. The scriptable
// object's Click loads the page and dispatches here; tests replace the handlers to see which
// one ran.
#pragma once

#include "page/PageContext.h"

#include <functional>
#include <string>
#include <vector>

namespace tandrel {

/// The four parameters of the generic keyword lookup (book, movie, music, other, search).
struct GenericLookup {
    std::string prefix;    ///< section prefix of its entries, "BOOK:"
    int captionId;         ///< caption of the group box around the edit field
    int listTextId;        ///< text above the site list
    std::string helpEntry; ///< its help entry, "SYSTEM:HelpBook"
};

using CommandHandler = std::function<void(CPageContext&)>;

/// One row of the keyword table.
struct Command {
    std::u16string keyword;
    CommandHandler handler;
};

/// The keyword table in dispatch order, with the handlers of the product.
std::vector<Command> ProductCommands();

/// Runs one menu command: loads the page from the window, then runs the handler of the first
/// row whose keyword equals the given one exactly. A window that is not a browser window, a
/// null keyword or an unknown one sounds the stop beep instead. Never fails.
void RunCommand(BrowserWindowPtr window, const char16_t* keyword,
                const std::vector<Command>& commands);

/// The table Click uses: the product's, unless a test installed another.
const std::vector<Command>& ActiveCommands();

/// Installs a command table for the lifetime of this object (tests only).
class ScopedCommands {
public:
    explicit ScopedCommands(std::vector<Command> commands);
    ~ScopedCommands();
    ScopedCommands(const ScopedCommands&) = delete;
    ScopedCommands& operator=(const ScopedCommands&) = delete;

private:
    const std::vector<Command>* previous_;
    std::vector<Command> commands_;
};

} // namespace tandrel
