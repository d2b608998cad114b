// The words of a link entry's command template as the started program will split its line: where
// the page's values stand in it, which word names the program, and which arguments a value fills
// alone. The console command refuses a program named by the page; the checker warns about an
// argument the page could split.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tandrel {

/// One word of a command template.
struct CommandWord {
    std::string text; ///< its bytes, quotes dropped, escapes written out, macros as "!" and letter
    bool quoted = false;    ///< a quote stands in it
    bool pageValue = false; ///< a macro of a page value stands in it
    /// The word is one page value's macro and nothing else: the value alone makes the argument.
    bool wholePageValue = false;
};

/// The words of the template, split at blanks and tabs outside quotes (the escapes "\s" and "\t"
/// are blanks too), each quote toggling. The first word is the program.
std::vector<CommandWord> CommandWords(std::string_view commandTemplate);

/// Whether the program's word of the template takes anything from the page, so that the page
/// would choose what runs.
bool TakesProgramFromPage(std::string_view commandTemplate);

/// Whether a program's path names the command interpreter or a program it runs: a ".bat" or
/// ".cmd" file, "cmd" or "cmd.exe", or interpreter (the file COMSPEC names, lowered; may be
/// empty). path is lowered and without the dots and blanks the system drops from the end of a
/// file name; its file name starts at fileStart. The system takes a file's unnamed data stream
/// ("::$data") for the file.
bool IsInterpreterProgram(std::u16string_view path, std::size_t fileStart,
                          std::u16string_view interpreter);

} // namespace tandrel
