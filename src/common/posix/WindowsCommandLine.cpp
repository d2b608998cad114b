#include "common/posix/WindowsCommandLine.h"

#include "common/TextConversion.h"

namespace tandrel {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The program's word: up to the first blank outside quotes, each quote dropped, no escapes (a
// program's path holds no quote). Moves at past it.
std::string ProgramWord(std::string_view line, std::size_t& at) {
    std::string word;
    bool quoted = false;
    for (; at < line.size() && (quoted || !IsBlank(line[at])); ++at) {
        if (line[at] == '"')
            quoted = !quoted;
        else
            word += line[at];
    }
    return word;
}

// One argument word from at, which is not a blank; moves at past it.
std::string ArgumentWord(std::string_view line, std::size_t& at) {
    std::string word;
    bool quoted = false;
    while (at < line.size() && (quoted || !IsBlank(line[at]))) {
        std::size_t slashes = 0;
        while (at < line.size() && line[at] == '\\') {
            ++slashes;
            ++at;
        }
        bool quote = at < line.size() && line[at] == '"';
        word.append(quote ? slashes / 2 : slashes, '\\');
        if (!quote) {
            if (slashes == 0)
                word += line[at++];
        } else if (slashes % 2 == 1 || (quoted && at + 1 < line.size() && line[at + 1] == '"')) {
            // An escaped quote, or two in a quoted part: a literal one.
            word += '"';
            at += slashes % 2 == 1 ? 1 : 2;
        } else {
            quoted = !quoted;
            ++at;
        }
    }
    return word;
}

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
    line = line.substr(0, line.find('\0'));
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    if (at == line.size())
        return words;
    words.push_back(ProgramWord(line, at));
    for (;;) {
        while (at < line.size() && IsBlank(line[at]))
            ++at;
        if (at == line.size())
            return words;
        words.push_back(ArgumentWord(line, at));
    }
}

std::optional<InterpreterLine> ReadInterpreterLine(std::string_view line,
                                                   std::string_view interpreter) {
    if (line.size() < interpreter.size() + 4 ||
        !EqualsIgnoreAsciiCase(line.substr(0, interpreter.size()), interpreter))
        return std::nullopt;
    std::string_view rest = line.substr(interpreter.size());
    InterpreterLine read;
    if (EqualsIgnoreAsciiCase(rest.substr(0, 4), " /K "))
        read.keepOpen = true;
    else if (!EqualsIgnoreAsciiCase(rest.substr(0, 4), " /C "))
        return std::nullopt;
    rest.remove_prefix(4);
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"')
        rest = rest.substr(1, rest.size() - 2);
    read.command = std::string(rest);
    return read;
}

} // namespace tandrel
