// The configuration grammar as a byte state machine, written out state by state: a second,
// independent reading that the parser's line reader is checked against (by a native test and by
// the fuzzer). Slow and simple on purpose.
#pragma once

#include "common/TextConversion.h"
#include "config/ConfigSection.h"

#include <string>
#include <string_view>

namespace tandrel::reference {

inline void ParseConfigBytes(CSectionList& list, std::string_view text, std::string_view prefix) {
    enum class State { LineStart, Head, Key, Value, Skip } state = State::LineStart;
    CConfigSection* current = nullptr;
    std::string head, key, value;
    auto lineEnd = [](char c) {
        return c == '\n' || c == '\r';
    };
    auto feed = [&](char c) {
        switch (state) {
        case State::LineStart:
            if (c == '\t' || c == '\n' || c == '\r' || c == ' ')
                return;
            if (c == '#' || c == ';') {
                state = State::Skip;
            } else if (c == '[') {
                head.clear();
                current = nullptr;
                state = State::Head;
            } else {
                key.assign(current ? 1 : 0, c);
                state = State::Key;
            }
            return;
        case State::Head:
            if (c != ']' && !lineEnd(c)) {
                head += c;
                return;
            }
            if (head.size() >= prefix.size() &&
                EqualsIgnoreAsciiCase(std::string_view(head).substr(0, prefix.size()), prefix))
                current = &list.Append(head);
            state = c == ']' ? State::Skip : State::LineStart;
            return;
        case State::Key:
            if (lineEnd(c)) {
                state = State::LineStart;
            } else if (c == '=') {
                value.clear();
                state = State::Value;
            } else if (current) {
                key += c;
            }
            return;
        case State::Value:
            if (!lineEnd(c)) {
                value += c;
                return;
            }
            if (current && !key.empty())
                current->SetValue(key, value);
            state = State::LineStart;
            return;
        case State::Skip:
            if (lineEnd(c))
                state = State::LineStart;
            return;
        }
    };
    for (char c : text)
        feed(c);
    feed('\n');
}

} // namespace tandrel::reference
