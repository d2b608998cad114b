#include "actions/ConsoleCommand.h"

#include "actions/MacroExpansion.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/TextConversion.h"
#include "resources/StringIds.h"

namespace tandrel {

std::string ConsoleCommandLine(const CLink& link, CPageContext& page) {
    bool console = link.GetUseConsole();
    std::string command = WideToAnsi(
        ExpandTemplate(link.GetCommand(), page, Substitution{link.GetURLEncoded(), console}));
    if (!console)
        return command;
    std::string interpreter =
        CurrentPlatform().processes->EnvironmentVariable("COMSPEC").value_or("COMMAND.COM");
    // Without a switch the interpreter would only take the quoted text as its own first word.
    std::string keepOpen = link.GetLeaveConsole() ? "/K " : "/C ";
    return interpreter + " " + keepOpen + "\"" + command + "\"";
}

void RunConsoleCommand(const CLink& link, CPageContext& page) {
    IProcesses& processes = *CurrentPlatform().processes;
    ProcessStart start = processes.StartProcess(ConsoleCommandLine(link, page));
    if (start.started)
        return;
    std::string text = processes.ErrorText(start.error)
                           .value_or(FormatText(ids::kProgramNotStarted,
                                                {static_cast<std::int64_t>(start.error)}));
    ShowMessage(0, text, ids::kProductName, kMbIconError);
}

} // namespace tandrel
