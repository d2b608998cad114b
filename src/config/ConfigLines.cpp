#include "config/ConfigLines.h"

#include <cstdint>
#include <cstring>

namespace tandrel {

namespace {

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// The first CR or LF at or after p, or end. Lines are searched eight bytes at a time: a byte of
// the word equal to CR or LF leaves a zero byte in one of the two differences, which the
// classic test for a zero byte finds.
const char* FindLineEnd(const char* p, const char* end) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighBits = 0x8080808080808080;
    while (end - p >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        std::uint64_t cr = word ^ (kOnes * '\r');
        std::uint64_t lf = word ^ (kOnes * '\n');
        if ((((cr - kOnes) & ~cr) | ((lf - kOnes) & ~lf)) & kHighBits)
            break;
        p += 8;
    }
    while (p != end && !IsLineEnd(*p))
        ++p;
    return p;
}

bool IsLineStartBlank(char c) {
    return c == ' ' || c == '\t';
}

void ReadHead(ConfigLine& line, std::string_view afterBracket) {
    line.kind = ConfigLine::Kind::Head;
    std::size_t close = afterBracket.find(']');
    line.closed = close != std::string_view::npos;
    line.name = afterBracket.substr(0, close);
    if (line.closed)
        line.rest = afterBracket.substr(close + 1);
}

} // namespace

ConfigLine ClassifyLine(std::string_view text, std::size_t number) {
    ConfigLine line;
    line.number = number;
    line.text = text;
    std::size_t start = 0;
    while (start < text.size() && IsLineStartBlank(text[start]))
        ++start;
    if (start == text.size())
        return line;
    switch (text[start]) {
    case '#':
    case ';':
        line.kind = ConfigLine::Kind::Comment;
        return line;
    case '[':
        ReadHead(line, text.substr(start + 1));
        return line;
    default:
        break;
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

bool CConfigLineReader::Next(ConfigLine& line) {
    if (pos_ >= text_.size())
        return false;
    const char* const begin = text_.data() + pos_;
    const char* const end = text_.data() + text_.size();
    const char* lineEnd = FindLineEnd(begin, end);
    line =
        ClassifyLine(std::string_view(begin, static_cast<std::size_t>(lineEnd - begin)), ++number_);
    // CR LF is one line end.
    if (lineEnd != end && *lineEnd == '\r' && lineEnd + 1 != end && lineEnd[1] == '\n')
        ++lineEnd;
    pos_ = static_cast<std::size_t>(lineEnd - text_.data()) + (lineEnd != end ? 1 : 0);
    return true;
}

} // namespace tandrel
