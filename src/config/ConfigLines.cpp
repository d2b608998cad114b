#include "config/ConfigLines.h"

namespace tandrel {

ConfigLine ClassifyLine(std::string_view text, int number) {
    ConfigLine line;
    line.number = number;
    line.text = text;
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return line;
    if (text[start] == '#' || text[start] == ';') {
        line.kind = ConfigLine::Kind::Comment;
        return line;
    }
    if (text[start] == '[') {
        line.kind = ConfigLine::Kind::Head;
        std::size_t close = text.find(']', start + 1);
        line.closed = close != std::string_view::npos;
        line.name = text.substr(start + 1, (line.closed ? close : text.size()) - start - 1);
        if (line.closed)
            line.rest = text.substr(close + 1);
        return line;
    }
    // The first significant byte always belongs to the key, even an "=".
    std::size_t equals = text.find('=', start + 1);
    if (equals == std::string_view::npos) {
        line.kind = ConfigLine::Kind::Other;
        return line;
    }
    line.kind = ConfigLine::Kind::Key;
    line.key = text.substr(start, equals - start);
    line.value = text.substr(equals + 1);
    return line;
}

std::vector<ConfigLine> ReadConfigLines(std::string_view text) {
    std::vector<ConfigLine> lines;
    int number = 1;
    std::size_t begin = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] != '\r' && text[pos] != '\n')
            continue;
        lines.push_back(ClassifyLine(text.substr(begin, pos - begin), number++));
        if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
            ++pos;
        begin = pos + 1;
    }
    if (begin < text.size())
        lines.push_back(ClassifyLine(text.substr(begin), number));
    return lines;
}

} // namespace tandrel
