// A configuration text as numbered lines, each classified by the grammar of ParseConfigText.
// The parser reads bytes and forgets where they were; the checker reads these lines instead, so
// that every finding can name its line while the text still reads exactly as the parser reads it.
#pragma once

#include <string_view>
#include <vector>

namespace tandrel {

/// One line of a configuration text as the reader sees it. Views point into the checked text.
struct ConfigLine {
    enum class Kind {
        Blank,   ///< nothing but tabs and spaces
        Comment, ///< first significant byte "#" or ";"
        Head,    ///< first significant byte "["
        Key,     ///< a line with an "=" after its first significant byte
        Other    ///< neither head nor "=": ignored by the reader
    };

    int number = 0; ///< 1-based; CR LF, LF and CR alone each end one line
    Kind kind = Kind::Blank;
    std::string_view text;  ///< the whole line without its line end
    std::string_view name;  ///< Head: every byte between "[" and the first "]" or the line end
    bool closed = false;    ///< Head: the name ended at a "]"
    std::string_view rest;  ///< Head: what follows the "]", ignored by the reader
    std::string_view key;   ///< Key: the first significant byte and every byte up to the next "="
    std::string_view value; ///< Key: every byte after that "=" to the line end
};

/// Classifies one line (text without its line end) by the grammar of ParseConfigText: leading
/// tabs and spaces skipped, nothing trimmed, and the first significant byte of a key line belongs
/// to the key even when it is "=". The views point into text.
ConfigLine ClassifyLine(std::string_view text, int number);

/// Splits text into lines (CR LF, LF and CR alone each end one; a last line without its line end
/// still counts, an empty one after a final line end does not) and classifies each with
/// ClassifyLine. The views point into text.
std::vector<ConfigLine> ReadConfigLines(std::string_view text);

} // namespace tandrel
