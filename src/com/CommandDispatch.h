// The keyword dispatch: the scriptable object's Click loads the page and runs the handler of the
// command table's row whose keyword it was given. Tests install another table to see which row
// ran.
#pragma once

#include "com/CommandTable.h"
#include "page/BrowserWindow.h"

#include <vector>

namespace tandrel {

/// Runs one menu command: loads the page from the window, then runs the handler of the first
/// row whose keyword equals the given one exactly. A window that is not a browser window, a
/// null keyword or an unknown one sounds the stop beep instead. Never fails.
void RunCommand(BrowserWindowPtr window, const char16_t* keyword,
                const std::vector<CommandRow>& commands);

/// The table Click uses: the command table, unless a test installed another.
const std::vector<CommandRow>& ActiveCommands();

/// Installs a command table for the lifetime of this object (tests only).
class ScopedCommands {
public:
    explicit ScopedCommands(std::vector<CommandRow> commands);
    ~ScopedCommands();
    ScopedCommands(const ScopedCommands&) = delete;
    ScopedCommands& operator=(const ScopedCommands&) = delete;

private:
    const std::vector<CommandRow>* previous_;
    std::vector<CommandRow> commands_;
};

} // namespace tandrel
