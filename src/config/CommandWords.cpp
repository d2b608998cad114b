#include "config/CommandWords.h"

#include "config/MacroLetters.h"

#include <algorithm>

namespace tandrel {

namespace {

bool EndsWith(std::u16string_view text, std::u16string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// What a backslash escape puts into the line, as the expansion writes it.
std::string_view EscapeText(char escape) {
    switch (escape) {
    case 'n':
        return "\r\n";
    case 's':
        return " ";
    case 't':
        return "\t";
    default:
        return {};
    }
}

} // namespace

std::vector<CommandWord> CommandWords(std::string_view commandTemplate) {
    std::vector<CommandWord> words;
    bool inWord = false;
    bool quoted = false;
    int parts = 0; // of the current word: macros and characters, quotes included
    auto word = [&]() -> CommandWord& {
        if (!inWord) {
            words.emplace_back();
            inWord = true;
            parts = 0;
        }
        return words.back();
    };
    auto character = [&](char c) {
        if (!quoted && (c == ' ' || c == '\t')) {
            inWord = false;
            return;
        }
        CommandWord& current = word();
        ++parts;
        current.wholePageValue = false;
        if (c == '"') {
            quoted = !quoted;
            current.quoted = true;
        } else {
            current.text += c;
        }
    };
    for (std::size_t at = 0; at < commandTemplate.size(); ++at) {
        char byte = commandTemplate[at];
        bool last = at + 1 == commandTemplate.size();
        if (byte == '!' && !last) {
            char letter = commandTemplate[++at];
            bool page = IsPageValueLetter(letter);
            CommandWord& current = word();
            current.text += '!';
            current.text += letter;
            current.pageValue = current.pageValue || page;
            current.wholePageValue = page && parts == 0 && !quoted;
            ++parts;
        } else if (byte == '\\' && !last) {
            char escape = commandTemplate[++at];
            std::string_view text = EscapeText(escape);
            if (text.empty())
                character(escape);
            for (char c : text)
                character(c);
        } else {
            character(byte);
        }
    }
    return words;
}

bool TakesProgramFromPage(std::string_view commandTemplate) {
    std::vector<CommandWord> words = CommandWords(commandTemplate);
    return !words.empty() && words.front().pageValue;
}

bool IsInterpreterProgram(std::u16string_view path, std::size_t fileStart,
                          std::u16string_view interpreter) {
    constexpr std::u16string_view kDataStream = u"::$data";
    if (EndsWith(path, kDataStream))
        path.remove_suffix(kDataStream.size());
    std::u16string_view file = path.substr(std::min(fileStart, path.size()));
    return EndsWith(file, u".bat") || EndsWith(file, u".cmd") || file == u"cmd" ||
           file == u"cmd.exe" || (!interpreter.empty() && file == interpreter);
}

} // namespace tandrel
