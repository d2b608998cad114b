#include "common/MessageFormat.h"

#include "common/CharClass.h"

#include <cstdio>

namespace tandrel {

namespace {

// Formats one argument with a printf conversion such as "s", "d", "08x" or "I64d".
std::optional<std::string> FormatArgument(const MessageArg& arg, std::string conversion) {
    if (conversion.empty() || conversion.back() == 's') {
        if (const auto* text = std::get_if<std::string>(&arg))
            return *text;
        return std::nullopt;
    }
    const auto* number = std::get_if<std::int64_t>(&arg);
    if (!number)
        return std::nullopt;
    // Length modifiers of the platform's formatter are widened to one 64-bit form.
    std::string flags;
    char kind = conversion.back();
    for (char ch : conversion.substr(0, conversion.size() - 1)) {
        if (IsAsciiDigit(ch) || ch == '-' || ch == '+' || ch == ' ' || ch == '#' || ch == '.')
            flags += ch;
    }
    if (kind != 'd' && kind != 'i' && kind != 'u' && kind != 'x' && kind != 'X' && kind != 'o' &&
        kind != 'c')
        return std::nullopt;
    char buffer[64];
    if (kind == 'c') {
        std::snprintf(buffer, sizeof buffer, ("%" + flags + "c").c_str(),
                      static_cast<int>(*number));
    } else {
        std::string format = "%" + flags + "ll" + kind;
        std::snprintf(buffer, sizeof buffer, format.c_str(), static_cast<long long>(*number));
    }
    return std::string(buffer);
}

} // namespace

std::optional<std::string> FormatMessageInserts(std::string_view pattern,
                                                const std::vector<MessageArg>& args) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        char ch = pattern[i];
        if (ch != '%' || i + 1 == pattern.size()) {
            out += ch;
            continue;
        }
        char next = pattern[++i];
        if (next == '0')
            return out;
        if (!IsAsciiDigit(next)) {
            out += next == 'n'   ? "\r\n"
                   : next == 'r' ? "\r"
                   : next == 't' ? "\t"
                                 : std::string(1, next);
            continue;
        }
        int index = next - '0';
        if (i + 1 < pattern.size() && IsAsciiDigit(pattern[i + 1]))
            index = index * 10 + (pattern[++i] - '0');
        std::string conversion = "s";
        if (i + 1 < pattern.size() && pattern[i + 1] == '!') {
            std::size_t end = pattern.find('!', i + 2);
            if (end == std::string_view::npos)
                return std::nullopt;
            conversion = std::string(pattern.substr(i + 2, end - i - 2));
            i = end;
        }
        if (index < 1 || static_cast<std::size_t>(index) > args.size())
            return std::nullopt;
        std::optional<std::string> value = FormatArgument(args[index - 1], conversion);
        if (!value)
            return std::nullopt;
        out += *value;
    }
    return out;
}

int HighestInsert(std::string_view pattern) {
    int highest = 0;
    for (std::size_t i = 0; i + 1 < pattern.size(); ++i) {
        if (pattern[i] != '%')
            continue;
        char next = pattern[++i];
        if (!IsAsciiDigit(next) || next == '0')
            continue;
        int index = next - '0';
        if (i + 1 < pattern.size() && IsAsciiDigit(pattern[i + 1]))
            index = index * 10 + (pattern[++i] - '0');
        highest = index > highest ? index : highest;
    }
    return highest;
}

} // namespace tandrel
