#include "config/ConfigParser.h"

#include "common/TextConversion.h"

#include <string>

namespace tandrel {

namespace {

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}

bool IsLineStartBlank(char c) {
    return c == '\t' || c == '\n' || c == '\r' || c == ' ';
}

/// The byte state machine: one call of Feed per byte, then one extra line feed so that a last
/// line without its line end still counts.
class CConfigParser {
public:
    CConfigParser(CSectionList& list, std::string_view prefix) : list_(list), prefix_(prefix) {}

    void Feed(char c) {
        switch (state_) {
        case State::LineStart:
            state_ = AtLineStart(c);
            break;
        case State::Head:
            state_ = InHead(c);
            break;
        case State::Key:
            state_ = InKey(c);
            break;
        case State::Value:
            state_ = InValue(c);
            break;
        case State::Skip:
            state_ = IsLineEnd(c) ? State::LineStart : State::Skip;
            break;
        }
    }

private:
    enum class State { LineStart, Head, Key, Value, Skip };

    State AtLineStart(char c) {
        if (IsLineStartBlank(c))
            return State::LineStart;
        if (c == '#' || c == ';')
            return State::Skip;
        if (c == '[') {
            head_.clear();
            current_ = nullptr;
            return State::Head;
        }
        key_.clear();
        if (current_)
            key_ += c;
        return State::Key;
    }

    State InHead(char c) {
        if (c != ']' && !IsLineEnd(c)) {
            head_ += c;
            return State::Head;
        }
        if (HeadHasPrefix())
            current_ = &list_.Append(head_);
        return c == ']' ? State::Skip : State::LineStart;
    }

    State InKey(char c) {
        if (IsLineEnd(c))
            return State::LineStart; // no "=" on the line
        if (c == '=') {
            value_.clear();
            return State::Value;
        }
        if (current_)
            key_ += c;
        return State::Key;
    }

    State InValue(char c) {
        if (!IsLineEnd(c)) {
            // Bytes of a line that belongs to no section are never stored.
            if (current_)
                value_ += c;
            return State::Value;
        }
        if (current_ && !key_.empty())
            current_->SetValue(key_, value_);
        return State::LineStart;
    }

    bool HeadHasPrefix() const {
        return head_.size() >= prefix_.size() &&
               EqualsIgnoreAsciiCase(std::string_view(head_).substr(0, prefix_.size()), prefix_);
    }

    CSectionList& list_;
    std::string_view prefix_;
    State state_ = State::LineStart;
    // Only ever the last section of the list, so Append cannot leave it dangling.
    CConfigSection* current_ = nullptr;
    std::string head_;
    std::string key_;
    std::string value_;
};

} // namespace

void ParseConfigText(CSectionList& list, std::string_view text, std::string_view prefix) {
    CConfigParser parser(list, prefix);
    for (char c : text)
        parser.Feed(c);
    parser.Feed('\n');
}

} // namespace tandrel
