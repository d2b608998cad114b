#include "actions/ConsoleCommand.h"

#include "actions/MacroExpansion.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/TextConversion.h"
#include "resources/StringIds.h"

namespace tandrel {

namespace {

bool EndsConsoleCommand(char c) {
    return c == '"' || c == '&' || c == '|' || c == '<' || c == '>' || c == '^' || c == '\r' ||
           c == '\n';
}

// The code page may write a character it has no byte for as an ASCII look-alike: a best-fit
// conversion makes a quote of U+FF02 and a percent sign of U+FF05. Such a character (only a value
// brings one: a template's own text is bytes of the code page) is blanked like the character it
// would become, so that it cannot end the quotes or, unencoded, name a variable either.
void BlankLookAlikes(std::u16string& command, bool encoded) {
    for (char16_t& c : command) {
        if (c < 0x80)
            continue;
        std::string ansi = WideToAnsi(std::u16string_view(&c, 1));
        if (ansi.size() == 1 && (EndsConsoleCommand(ansi[0]) || (!encoded && ansi[0] == '%')))
            c = u' ';
    }
}

} // namespace

std::string ConsoleCommandLine(const CLink& link, CPageContext& page) {
    bool console = link.GetUseConsole();
    std::u16string expanded =
        ExpandTemplate(link.GetCommand(), page, Substitution{link.GetURLEncoded(), console});
    if (console)
        BlankLookAlikes(expanded, link.GetURLEncoded());
    std::string command = WideToAnsi(expanded);
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
