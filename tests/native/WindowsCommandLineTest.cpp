// A Windows command line read on Linux: the words a Windows program would get from it, and the
// command of a line for the interpreter.
#include "common/posix/WindowsCommandLine.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

using Words = std::vector<std::string>;

TEST(WindowsCommandLine, SplitsAsAWindowsProgramsRuntime) {
    const struct {
        std::string line;
        Words words;
    } cases[] = {
        {"", {}},
        {" \t ", {}},
        {"ping.exe www.example.org", {"ping.exe", "www.example.org"}},
        {"  p \t a  b ", {"p", "a", "b"}},
        {"\"C:\\Program Files\\t.exe\" x", {"C:\\Program Files\\t.exe", "x"}},
        // The program's word has no escapes; its quotes only group.
        {"C:\\\"My Tools\"\\t.exe x", {"C:\\My Tools\\t.exe", "x"}},
        {"C:\\tools\\ x\\", {"C:\\tools\\", "x\\"}},
        {"p a\\\\\\b d\"e f\"g h", {"p", "a\\\\\\b", "de fg", "h"}},
        {"p a\\\\\\\"b c d", {"p", "a\\\"b", "c", "d"}},
        {"p a\\\\\\\\\"b c\" d e", {"p", "a\\\\b c", "d", "e"}},
        {"p \"a b\" \"\" c", {"p", "a b", "", "c"}},
        {"p a\"b\"\" c d", {"p", "ab\" c d"}},
        {"p \"\"\"a\"\"\" b", {"p", "\"a\"", "b"}},
        {"p \"open", {"p", "open"}},
        {"p x\" & calc & \"y", {"p", "x & calc & y"}},
        {std::string("p a\0b c", 7), {"p", "a"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCommandLine(c.line), c.words) << c.line;
}

TEST(WindowsCommandLine, AnInterpretersLineGivesItsCommand) {
    const struct {
        std::string line;
        std::string_view interpreter;
        std::optional<std::string> command;
        bool keepOpen;
    } cases[] = {
        {"COMMAND.COM /K \"ping.exe host\"", "COMMAND.COM", "ping.exe host", true},
        {"command.com /c \"x\"", "COMMAND.COM", "x", false},
        {"C:\\cmd.exe /C \"\"C:\\x y\\t.exe\" a\"", "C:\\cmd.exe", "\"C:\\x y\\t.exe\" a", false},
        {"COMMAND.COM /K x", "COMMAND.COM", "x", true},
        {"COMMAND.COM /K \"", "COMMAND.COM", "\"", true},
        {"COMMAND.COM /K \"\"", "COMMAND.COM", "", true},
        {"ping.exe host", "COMMAND.COM", std::nullopt, false},
        {"COMMAND.COM /X \"a\"", "COMMAND.COM", std::nullopt, false},
        {"COMMAND.COMX /K \"a\"", "COMMAND.COM", std::nullopt, false},
        {"COMMAND.COM /K", "COMMAND.COM", std::nullopt, false},
    };
    for (const auto& c : cases) {
        std::optional<InterpreterLine> read = ReadInterpreterLine(c.line, c.interpreter);
        ASSERT_EQ(read.has_value(), c.command.has_value()) << c.line;
        if (!read)
            continue;
        EXPECT_EQ(read->command, *c.command) << c.line;
        EXPECT_EQ(read->keepOpen, c.keepOpen) << c.line;
    }
}

} // namespace
} // namespace tandrel
