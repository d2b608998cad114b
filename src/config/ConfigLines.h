// The one reader of the link configuration's grammar: it walks a text line by line and tells what
// each line is. The parser keeps the sections of a prefix from it; the checker reads the same
// lines with their numbers, so that a finding always describes what the parser does.
//
// The text is bytes (Windows-1252 in practice; no byte-order mark is recognised, no conversion is
// made). CR LF, LF and CR alone each end one line; a last line without its line end still
// counts, an empty one after a final line end does not. Tabs and spaces at a line start are
// skipped (no other byte counts as blank there), so every line kind may be indented:
//   - nothing else on the line: blank;
//   - "#" or ";" first: a comment, the whole line ignored (no comments after other content);
//   - "[" first: a section head. Its name is every byte up to the first "]" or the line end,
//     kept verbatim; what follows the "]" is ignored; a head without "]" is named by the rest of
//     its line;
//   - anything else: a key line when an "=" follows the first significant byte. The key is every
//     byte from that first byte (even when it is "=") up to the next "=", the value every byte
//     after it to the line end; neither is trimmed. A line with no such "=" is ignored.
#pragma once

#include <cstddef>
#include <string_view>

namespace tandrel {

/// One line of a configuration text. The views point into the text read.
struct ConfigLine {
    enum class Kind {
        Blank,   ///< nothing but tabs and spaces
        Comment, ///< first significant byte "#" or ";"
        Head,    ///< first significant byte "["
        Key,     ///< an "=" after the first significant byte
        Other    ///< neither head nor "=": ignored
    };

    std::size_t number = 0; ///< 1-based
    Kind kind = Kind::Blank;
    std::string_view text;  ///< the whole line without its line end
    std::string_view name;  ///< Head: every byte between "[" and the first "]" or the line end
    bool closed = false;    ///< Head: the name ended at a "]"
    std::string_view rest;  ///< Head: what follows the "]"
    std::string_view key;   ///< Key: the first significant byte and every byte up to the next "="
    std::string_view value; ///< Key: every byte after that "=" to the line end
};

/// Reads a text one line at a time, without copying it: the text must outlive the reader and the
/// lines it gives.
class CConfigLineReader {
public:
    explicit CConfigLineReader(std::string_view text) : text_(text) {}

    /// Fills line with the next line; false when the text has no more lines.
    bool Next(ConfigLine& line);

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t number_ = 0;
};

/// Classifies one line (text without its line end) by the grammar above.
ConfigLine ClassifyLine(std::string_view text, std::size_t number);

} // namespace tandrel
