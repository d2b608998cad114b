// The fourteen menu commands with the code that runs them: each row of the command data
// (resources/CommandInfo.h) and its handler. The keyword dispatch runs a row's handler; what
// only names a command reads the data table.
#pragma once

#include "resources/CommandInfo.h"

#include <functional>
#include <vector>

namespace tandrel {

class CPageContext;
struct CommandRow;

/// Runs a whole command inside Click (dialog, remembered choices, chosen entries), with the row
/// that chose it for its prefix, texts and help entry.
using CommandHandler = std::function<void(CPageContext& page, const CommandRow& row)>;

/// One menu command: its data and its handler.
struct CommandRow : CommandInfo {
    CommandHandler handler;
};

/// The commands in dispatch and registration order, the order of kCommandInfos.
const std::vector<CommandRow>& CommandTable();

} // namespace tandrel
