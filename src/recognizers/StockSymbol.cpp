#include "recognizers/Recognizers.h"

#include "common/CharClass.h"

#include <cstddef>

namespace tandrel {

namespace {

constexpr std::size_t kNone = std::u16string_view::npos;

bool IsSymbolCharacter(char16_t ch) {
    return IsAsciiUpper(ch) || ch == u'.';
}

// What one search over a part of the text decided.
struct LevelOutcome {
    enum Kind { kResult, kNothing, kExchange } kind;
    std::u16string_view result; ///< kResult
    std::size_t runStart = 0;   ///< kExchange: the run before the ":" ...
    std::size_t runEnd = 0;     ///< ... which is where the ":" stands
};

// Searches text[from, text.size()) for a symbol; text[from - 1], when from > 0, is the character
// before that part, never a lowercase letter (an opening bracket or an exchange's ":").
// `input` is what the search answers when a run touched by lowercase letters reaches the end.
LevelOutcome SearchLevel(std::u16string_view text, std::size_t from, std::u16string_view input) {
    const std::size_t end = text.size();
    std::size_t position = from;
    for (;;) {
        std::size_t p = position;
        while (p < end && !IsAsciiUpper(text[p]))
            ++p;
        if (p == end)
            return {LevelOutcome::kNothing, {}};
        std::size_t e = p;
        while (e < end && IsSymbolCharacter(text[e]))
            ++e;
        // A sentence's full stop is not part of the symbol, unless nothing follows it.
        if (e < end && text[e - 1] == u'.')
            --e;
        bool afterLowercase = p > from && IsWideLowercase(text[p - 1]);
        if (!afterLowercase) {
            if (e == end)
                return {LevelOutcome::kResult, text.substr(p)};
            if (!IsAsciiLower(text[e]) && text[e] != u':')
                return {LevelOutcome::kResult, text.substr(p, e - p)};
        }
        if (e == end)
            return {LevelOutcome::kResult, input};
        if (text[e] == u':')
            return {LevelOutcome::kExchange, {}, p, e};
        position = e;
    }
}

} // namespace

// Read literally, an exchange prefix ("NYSE:") starts the whole search again on a copy of the rest
// of the text, which is quadratic on "A:A:A:...". Each such search works on a part of the
// bracketed text that starts where the search before it stopped and ends no later, so one pass
// over index ranges gives the same answers: the innermost search's result, or, when it finds no
// capital, the run before the last ":". The opening brackets are found by one forward scan; the
// closing ones, which cut parts from their end, by one backward scan.
std::u16string FindStockSymbol(std::u16string_view text) {
    std::u16string_view copy = text;
    std::size_t open = copy.find(u'(');
    if (open != kNone) {
        copy.remove_prefix(open + 1);
        std::size_t close = copy.rfind(u')');
        if (close != kNone)
            copy = copy.substr(0, close);
    }
    if (copy.empty())
        return std::u16string(text);

    std::u16string_view part = copy; // copy[from, part.size()) is what the search works on
    std::u16string_view input = text;
    std::size_t from = 0;
    std::size_t nextOpen = open == kNone ? kNone : copy.find(u'(');
    std::size_t closeFree = part.size(); // part[closeFree, part.size()) holds no ")"
    LevelOutcome previous{LevelOutcome::kNothing, {}};
    for (;;) {
        LevelOutcome outcome = SearchLevel(part, from, input);
        if (outcome.kind == LevelOutcome::kResult)
            return std::u16string(outcome.result);
        if (outcome.kind == LevelOutcome::kNothing) {
            if (previous.kind != LevelOutcome::kExchange)
                return std::u16string();
            return std::u16string(
                part.substr(previous.runStart, previous.runEnd - previous.runStart));
        }
        // The rest from the ":" is searched as a text of its own, brackets included.
        previous = outcome;
        input = part.substr(outcome.runEnd);
        from = outcome.runEnd;
        if (nextOpen != kNone && nextOpen < from)
            nextOpen = copy.find(u'(', from);
        if (nextOpen != kNone && nextOpen < part.size()) {
            from = nextOpen + 1;
            while (closeFree > from && part[closeFree - 1] != u')')
                --closeFree;
            if (closeFree > from) {
                part = part.substr(0, closeFree - 1);
                closeFree = part.size();
            }
        }
        if (from == part.size())
            return std::u16string(input);
    }
}

} // namespace tandrel
