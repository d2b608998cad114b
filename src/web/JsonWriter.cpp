#include "web/JsonWriter.h"

#include "common/TextConversion.h"

#include <algorithm>
#include <charconv>

namespace tandrel::web {

namespace {

// The bytes of the well-formed UTF-8 sequence at text[at]; 0 for a malformed one, with bad set
// to the bytes of its longest start that could have been part of a valid one (at least one), so
// that the byte that broke it is read again as a start of its own.
std::size_t SequenceLength(std::string_view text, std::size_t at, std::size_t& bad) {
    auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the second byte's range: no overlong forms,
    if (lead < 0x80)                       // surrogates or code points past U+10FFFF
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        bad = 1;
        return 0;
    }
    for (std::size_t n = 1; n < length; ++n, low = 0x80, high = 0xBF) {
        if (at + n >= text.size() || static_cast<unsigned char>(text[at + n]) < low ||
            static_cast<unsigned char>(text[at + n]) > high) {
            bad = n;
            return 0;
        }
    }
    return length;
}

void AppendEscape(std::string& out, unsigned char byte) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '\\';
    switch (byte) {
    case '"':
    case '\\':
        out += static_cast<char>(byte);
        return;
    case '\b':
        out += 'b';
        return;
    case '\t':
        out += 't';
        return;
    case '\n':
        out += 'n';
        return;
    case '\f':
        out += 'f';
        return;
    case '\r':
        out += 'r';
        return;
    default:
        out += "u00";
        out += kHex[byte >> 4];
        out += kHex[byte & 0xF];
    }
}

} // namespace

void JsonWriter::Separate() {
    if (needsComma_)
        out_ += ',';
    needsComma_ = true;
}

JsonWriter& JsonWriter::Open(char bracket) {
    Separate();
    out_ += bracket;
    needsComma_ = false;
    return *this;
}

JsonWriter& JsonWriter::Close(char bracket) {
    out_ += bracket;
    needsComma_ = true;
    return *this;
}

JsonWriter& JsonWriter::BeginObject() {
    return Open('{');
}

JsonWriter& JsonWriter::EndObject() {
    return Close('}');
}

JsonWriter& JsonWriter::BeginArray() {
    return Open('[');
}

JsonWriter& JsonWriter::EndArray() {
    return Close(']');
}

JsonWriter& JsonWriter::Key(std::string_view name) {
    Separate();
    Quote(name);
    out_ += ':';
    needsComma_ = false;
    return *this;
}

void JsonWriter::Quote(std::string_view text) {
    out_ += '"';
    std::size_t plain = 0; // the start of the bytes still to copy as they are
    for (std::size_t at = 0; at < text.size();) {
        auto byte = static_cast<unsigned char>(text[at]);
        if (byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\') {
            ++at;
            continue;
        }
        std::size_t bad = 0;
        std::size_t length = byte >= 0x80 ? SequenceLength(text, at, bad) : 0;
        if (length) {
            at += length;
            continue;
        }
        out_.append(text.data() + plain, at - plain);
        if (bad) {
            out_ += "\xEF\xBF\xBD";
            at += bad;
        } else {
            AppendEscape(out_, byte);
            ++at;
        }
        plain = at;
    }
    out_.append(text.data() + plain, text.size() - plain);
    out_ += '"';
}

JsonWriter& JsonWriter::String(std::string_view utf8) {
    Separate();
    Quote(utf8);
    return *this;
}

JsonWriter& JsonWriter::Text(std::u16string_view text) {
    return String(WideToUtf8(text));
}

JsonWriter& JsonWriter::AnsiText(std::string_view text) {
    // Most texts are ASCII, which Windows-1252 and UTF-8 write alike.
    if (std::all_of(text.begin(), text.end(), [](char c) { return c >= 0; }))
        return String(text);
    return String(Windows1252ToUtf8(text));
}

JsonWriter& JsonWriter::Number(long long value) {
    Separate();
    char digits[24];
    out_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    Separate();
    out_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    Separate();
    out_ += "null";
    return *this;
}

JsonWriter& JsonWriter::Raw(std::string_view json) {
    Separate();
    out_ += json;
    return *this;
}

std::string JsonWriter::Take() {
    needsComma_ = false;
    std::string text;
    text.swap(out_);
    return text;
}

} // namespace tandrel::web
