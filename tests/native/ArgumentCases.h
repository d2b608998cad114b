// Page values made to end, add or escape an argument of the program a command starts, and the
// arguments that program must get. The host's own splitter (natively and through the host) and
// the Windows C runtime (under Wine) split the line the core writes into exactly these words.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tandrel::test {

struct ArgumentCase {
    enum Source {
        kSelection, ///< the page's selection
        kTyped,     ///< the text the user confirmed in the dialog
        kTitle,     ///< the top window's title
        kAddress,   ///< the top window's address
        kHost,      ///< the top window's host name
    };
    Source source;
    std::u16string_view value;
    std::string_view keys; ///< the entry's key lines; its program is "record.exe"
    std::vector<std::string> arguments;
};

inline const ArgumentCase kArgumentCases[] = {
    // A quote of the page neither ends the template's quoted argument nor starts one.
    {ArgumentCase::kSelection,
     u"x\" --evil \"y",
     "command=record.exe \"!S\" --safe\nURLEncoded=n",
     {"x  --evil  y", "--safe"}},
    {ArgumentCase::kTyped,
     u"\"--evil",
     "command=record.exe !S --safe\nURLEncoded=n",
     {"--evil", "--safe"}},
    // Backslashes at a value's end stay backslashes before the template's closing quote.
    {ArgumentCase::kSelection,
     u"abc\\",
     "command=record.exe \"!S\" --safe\nURLEncoded=n",
     {"abc\\", "--safe"}},
    {ArgumentCase::kTyped,
     u"a\\\\b\\\\",
     "command=record.exe \"!S\" --safe\nURLEncoded=n",
     {"a\\\\b\\\\", "--safe"}},
    {ArgumentCase::kTitle,
     u"say \"hi\"\\",
     "command=record.exe \"!T\" end\nURLEncoded=n",
     {"say  hi \\", "end"}},
    {ArgumentCase::kAddress,
     u"https://a.example/?q=\"x\"&y\\",
     "command=record.exe \"!U\" end\nURLEncoded=n",
     {"https://a.example/?q= x &y\\", "end"}},
    // An empty value between them changes nothing.
    {ArgumentCase::kSelection,
     u"abc\\",
     "command=record.exe \"!S!W\" end\nURLEncoded=n",
     {"abc\\", "end"}},
    // A NUL is a blank, never the line's end.
    {ArgumentCase::kSelection,
     std::u16string_view(u"a\0b", 3),
     "command=record.exe \"!S\" --safe\nURLEncoded=n",
     {"a b", "--safe"}},
    // Encoded values hold neither quotes nor backslashes.
    {ArgumentCase::kSelection,
     u"a\" b\\",
     "command=record.exe \"!S\" --safe",
     {"a%22%20b%5C", "--safe"}},
    // A host that would be an option is none.
    {ArgumentCase::kHost, u"-t.attacker.example", "command=record.exe at !H\nURLEncoded=n", {"at"}},
    {ArgumentCase::kHost,
     u"www.example.org",
     "command=record.exe at !H\nURLEncoded=n",
     {"at", "www.example.org"}},
    // Through the command interpreter, with the same rules inside its quotes.
    {ArgumentCase::kSelection,
     u"abc\\",
     "command=record.exe \"!S\" --safe\nuseConsole=y\nleaveConsole=n\nURLEncoded=n",
     {"abc\\", "--safe"}},
};

} // namespace tandrel::test
