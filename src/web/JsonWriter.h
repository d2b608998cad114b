// The extension's answers written as JSON text as they are made: building them as the JSON
// library's values first cost the module much of its size and a call much of its time (a map
// node and a string for every member).
#pragma once

#include <string>
#include <string_view>

namespace tandrel::web {

/// Appends JSON text: values in order, the commas between them and the colons after keys
/// written as needed. It does not check the shape: every BeginObject/BeginArray needs its end,
/// and inside an object every value its Key.
class JsonWriter {
public:
    /// Room for a typical answer from the start, so that writing it rarely moves it.
    JsonWriter() { out_.reserve(2048); }

    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    /// The key of the object's next member (UTF-8, written as String writes it).
    JsonWriter& Key(std::string_view name);

    /// UTF-8 text as a string: quotes, backslashes and control characters escaped, each malformed
    /// sequence (the longest start of one that could have been valid) replaced by U+FFFD.
    JsonWriter& String(std::string_view utf8);
    /// UTF-16 text as a string; an unpaired surrogate becomes U+FFFD.
    JsonWriter& Text(std::u16string_view text);
    /// Configuration bytes or string-table text (Windows-1252) as a string.
    JsonWriter& AnsiText(std::string_view text);
    JsonWriter& Number(long long value);
    JsonWriter& Bool(bool value);
    JsonWriter& Bool(const char*) = delete; // a string given where a flag was meant
    JsonWriter& Null();
    /// A value written elsewhere, as it is (JSON text).
    JsonWriter& Raw(std::string_view json);

    /// The text written so far.
    const std::string& Str() const { return out_; }
    /// The text written, leaving the writer empty.
    std::string Take();

private:
    void Separate();
    /// An object's or array's opening bracket, and its closing one.
    JsonWriter& Open(char bracket);
    JsonWriter& Close(char bracket);
    void Quote(std::string_view utf8);

    std::string out_;
    bool needsComma_ = false;
};

/// The JSON text of a whole answer or a part kept for one: what write writes.
template <class Write> std::string JsonOf(Write write) {
    JsonWriter out;
    write(out);
    return out.Take();
}

} // namespace tandrel::web
