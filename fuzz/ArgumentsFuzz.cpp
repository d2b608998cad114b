// The command line's round trip: a template and a fuzzed page expanded into a line, and the line
// split back into the words the started program gets. The host's splitter must read every line as
// the Windows C runtime's rules do (a slow reading of them here), and a page value that stands
// inside the template's quotes must neither end its argument nor add one: the line has as many
// words as it has when every page value is a plain "v", and the same program.
//
// The ANSI code page writes the full-width forms as the ASCII characters they look like
// (BestFitText.h), so that a full-width quote or backslash is tried too.
//
// The input: a byte of flags (bit 0 URL-encoded, bit 1 console), the command template on the
// first line (its backslash escapes left out, so that its quotes are its own), a NUL byte, then
// the page fields (FuzzSupport.h).
#include "BestFitText.h"
#include "FuzzSupport.h"

#include "actions/ConsoleCommand.h"
#include "common/posix/WindowsCommandLine.h"
#include "config/CommandWords.h"
#include "config/Link.h"
#include "config/MacroLetters.h"

#include <string>
#include <string_view>
#include <vector>

namespace tandrel::fuzz {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The words of a line by the C runtime's rules as they are written: the program's word up to a
// blank outside quotes, quotes dropped; then each argument: 2n backslashes before a quote give n
// and the quote toggles quoting, 2n+1 give n and a literal quote, other backslashes are
// themselves, two quotes inside a quoted part give one quote; everything up to the first NUL.
std::vector<std::string> SlowSplit(std::string_view line) {
    line = line.substr(0, line.find('\0'));
    std::vector<std::string> words;
    std::size_t at = 0;
    auto skipBlanks = [&] {
        while (at < line.size() && IsBlank(line[at]))
            ++at;
    };
    skipBlanks();
    if (at == line.size())
        return words;
    std::string program;
    for (bool quoted = false; at < line.size() && (quoted || !IsBlank(line[at])); ++at) {
        if (line[at] == '"')
            quoted = !quoted;
        else
            program += line[at];
    }
    words.push_back(program);
    for (;;) {
        skipBlanks();
        if (at == line.size())
            return words;
        std::string word;
        bool quoted = false;
        while (at < line.size() && (quoted || !IsBlank(line[at]))) {
            if (line[at] == '\\') {
                std::size_t run = 0;
                while (at < line.size() && line[at] == '\\') {
                    ++run;
                    ++at;
                }
                bool beforeQuote = at < line.size() && line[at] == '"';
                word.append(beforeQuote ? run / 2 : run, '\\');
                if (beforeQuote && run % 2 == 1) {
                    word += '"';
                    ++at;
                }
            } else if (line[at] == '"') {
                if (quoted && at + 1 < line.size() && line[at + 1] == '"') {
                    word += '"';
                    at += 2;
                } else {
                    quoted = !quoted;
                    ++at;
                }
            } else {
                word += line[at++];
            }
        }
        words.push_back(word);
    }
}

// Whether every page value of the template stands inside its quotes (each quote toggling, as the
// template has no escapes).
bool PageValuesQuoted(std::string_view command) {
    bool quoted = false;
    for (std::size_t at = 0; at < command.size(); ++at) {
        if (command[at] == '"') {
            quoted = !quoted;
        } else if (command[at] == '!' && at + 1 < command.size()) {
            if (IsPageValueLetter(command[++at]) && !quoted)
                return false;
        }
    }
    return true;
}

CLink LinkOf(const std::string& command, bool encoded, bool console) {
    CConfigSection section("OTHER:Fuzzed");
    section.SetValue("command", command);
    section.SetValue("URLEncoded", encoded ? "yes" : "no");
    section.SetValue("useConsole", console ? "yes" : "no");
    CLink link;
    link.LoadFromSection(section);
    return link;
}

// The words the program of the entry gets on the page: its line, through the interpreter's
// quotes for a console command, split as its runtime splits it (both readings checked).
std::vector<std::string> ProgramWords(const CLink& link, CPageContext& page) {
    std::string line = ConsoleCommandLine(link, page);
    std::optional<InterpreterLine> console = ReadInterpreterLine(line, "COMMAND.COM");
    Require(link.GetUseConsole() == console.has_value(), "a console command is the interpreter's");
    std::string_view command = console ? std::string_view(console->command) : line;
    std::vector<std::string> words = SplitCommandLine(command);
    Require(words == SlowSplit(command), "the host splits a line as the Windows runtime does");
    return words;
}

} // namespace

} // namespace tandrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tandrel;
    static test::BestFitText bestFit;
    static fuzz::FuzzPlatform platform(&bestFit);
    if (size == 0)
        return 0;
    const bool encoded = (data[0] & 1) != 0;
    const bool console = (data[0] & 2) != 0;
    fuzz::TemplatesAndPage input(fuzz::AsText(data + 1, size - 1), 1);
    std::string command(input.templates.empty() ? std::string_view() : input.templates[0]);
    for (char& c : command) {
        if (c == '\\')
            c = '_';
    }
    if (TakesProgramFromPage(command))
        return 0;
    CLink link = fuzz::LinkOf(command, encoded, console);
    fuzz::FuzzPage page(platform.platform, input.page);
    std::vector<std::string> words = fuzz::ProgramWords(link, page.page);
    if (!fuzz::PageValuesQuoted(command))
        return 0;
    // Every value the page gives a plain "v"; the locale's currency stays.
    std::string plain;
    for (std::size_t field = 0; field < fuzz::kLocaleSymbol; ++field)
        plain += field == 0 ? "v" : std::string("\0v", 2);
    std::vector<std::string_view> fields = fuzz::Split(input.page, '\0');
    if (fields.size() > fuzz::kLocaleSymbol)
        plain += std::string(1, '\0') + std::string(fields[fuzz::kLocaleSymbol]);
    fuzz::FuzzPage plainPage(platform.platform, plain);
    std::vector<std::string> plainWords = fuzz::ProgramWords(link, plainPage.page);
    fuzz::Require(words.size() == plainWords.size(),
                  "a page value inside quotes neither ends its argument nor adds one");
    fuzz::Require(words.empty() || words[0] == plainWords[0], "the page never names the program");
    return 0;
}
