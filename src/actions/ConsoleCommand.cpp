#include "actions/ConsoleCommand.h"

#include "actions/ConsoleCharacters.h"
#include "actions/MacroExpansion.h"
#include "common/CharClass.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/TextConversion.h"
#include "config/CommandWords.h"
#include "resources/StringIds.h"

#include <algorithm>

namespace tandrel {

namespace {

// The code page may write a character it has no byte for as an ASCII look-alike: a best-fit
// conversion makes a quote of U+FF02 and a percent sign of U+FF05. Such a character (only a value
// brings one: a template's own text is bytes of the code page) is blanked like the character it
// would become, so that it cannot end the quotes or, unencoded, name a variable either.
void BlankLookAlikes(std::u16string& command, bool encoded) {
    for (char16_t& c : command) {
        if (c < 0x80)
            continue;
        std::string ansi = WideToAnsi(std::u16string_view(&c, 1));
        if (ansi.size() != 1)
            continue;
        char16_t becomes = Widened(ansi[0]);
        if (EndsConsoleCommand(becomes) || (!encoded && ExpandsInConsole(becomes)))
            c = u' ';
    }
}

std::u16string AsciiLowered(std::u16string_view text) {
    std::u16string lowered(text);
    for (char16_t& c : lowered)
        c = ToAsciiLower(c);
    return lowered;
}

// The file name of the interpreter COMSPEC names, lowered; empty when it is not set.
std::u16string InterpreterFile() {
    std::optional<std::string> comspec =
        CurrentPlatform().processes->EnvironmentVariable("COMSPEC");
    if (!comspec)
        return {};
    std::u16string path = AsciiLowered(AnsiToWide(*comspec));
    std::size_t slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

} // namespace

bool NamesInterpreterProgram(std::u16string_view line) {
    std::u16string interpreter = InterpreterFile();
    std::u16string lowered = AsciiLowered(line);
    std::u16string_view text = lowered;
    std::size_t start = text.find_first_not_of(u" \t");
    if (start == std::u16string_view::npos)
        return false;
    text.remove_prefix(start);
    bool quoted = text.front() == u'"';
    if (quoted)
        text = text.substr(1, text.find(u'"', 1) - 1);
    // Unquoted, the system tries the line up to each blank in turn as the program's path, so
    // each of them may be the program that runs. One walk keeps, for the path ending here, where
    // it ends without its trailing dots and blanks and where its file name starts.
    std::size_t solidEnd = 0;
    std::size_t fileStart = 0;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        bool pathEnd = at == text.size() || (!quoted && (text[at] == u' ' || text[at] == u'\t'));
        if (pathEnd && IsInterpreterProgram(text.substr(0, solidEnd), fileStart, interpreter))
            return true;
        if (at == text.size())
            break;
        if (text[at] != u'.' && text[at] != u' ')
            solidEnd = at + 1;
        if (text[at] == u'\\' || text[at] == u'/')
            fileStart = at + 1;
    }
    return false;
}

std::string ConsoleCommandLine(const CLink& link, CPageContext& page) {
    bool console = link.GetUseConsole();
    bool encoded = link.GetURLEncoded();
    Substitution substitution{encoded, false, link.GetURLCharset(), true};
    std::u16string expanded = ExpandTemplate(link.GetCommand(), page, substitution);
    // The interpreter reads the line when it runs the command in a console, and when the line
    // names a batch program or the interpreter itself: then no value may expand or chain.
    if (console || NamesInterpreterProgram(expanded)) {
        substitution.consoleSafe = true;
        expanded = ExpandTemplate(link.GetCommand(), page, substitution);
        BlankLookAlikes(expanded, encoded);
    }
    std::string command = WideToAnsi(expanded);
    if (!console)
        return command;
    std::string interpreter = CommandInterpreter(*CurrentPlatform().processes);
    // Without a switch the interpreter would only take the quoted text as its own first word.
    std::string keepOpen = link.GetLeaveConsole() ? "/K " : "/C ";
    return interpreter + " " + keepOpen + "\"" + command + "\"";
}

void RunConsoleCommand(const CLink& link, CPageContext& page) {
    if (TakesProgramFromPage(link.GetCommand())) {
        ShowMessage(0, LoadText(ids::kProgramFromPage), ids::kProductName, kMbIconError);
        return;
    }
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
