// Page titles, addresses and selections made to break out of where they are put: quotes,
// ampersands, pipes, redirections, carets, percent signs, line breaks and NULs. In a console
// command line every value stays inside the quotes and chains nothing; in a mailto address every
// value stays encoded, so only the template's own "?" and "&" separate its fields; Simple MAPI
// gets each value whole in its own field.
#include "HostileCommandCases.h"
#include "LinkFromKeys.h"
#include "TestPlatform.h"

#include "actions/ConsoleCommand.h"
#include "actions/Mail.h"
#include "common/TextConversion.h"
#include "config/ConfigParser.h"
#include "page/MemoryBrowser.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tandrel {
namespace {

class HostilePageText : public ::testing::Test {
protected:
    HostilePageText() {
        scope.platform.processes.environment["COMSPEC"] = std::string(test::kHostileComspec);
        top->href = hostile.topUrl;
        top->hostName = hostile.topHost;
        top->title = hostile.topTitle;
        frame->href = hostile.frameUrl;
        frame->title = hostile.frameTitle;
        frame->selection = SelectionText{hostile.selection, u""};
        EXPECT_EQ(page.Load(frame), kOk);
    }

    test::MemoryPlatformScope scope;
    test::HostilePage hostile;
    std::shared_ptr<CMemoryWindow> top = std::make_shared<CMemoryWindow>();
    std::shared_ptr<CMemoryWindow> frame = top->MakeFrame();
    CPageContext page;
};

// Wherever the interpreter reads the line (a console, or a batch program), values stay inside
// the template's quotes and neither chain, redirect, end the line nor put in a variable.
TEST_F(HostilePageText, InterpreterLinesKeepEveryValueInert) {
    for (const auto& c : test::kHostileInterpreterLines) {
        std::string line = ConsoleCommandLine(test::LinkFromKeys(c.keys), page);
        EXPECT_EQ(line, c.line) << c.keys;
        // The template's and the console's own quotes alone, and nothing that chains, redirects,
        // expands or ends the line (the templates hold none of those themselves).
        bool console = c.keys.find("useConsole") != std::string_view::npos;
        EXPECT_EQ(std::count(line.begin(), line.end(), '"'),
                  std::count(c.keys.begin(), c.keys.end(), '"') + (console ? 2 : 0))
            << c.keys;
        EXPECT_EQ(line.find_first_of(std::string_view("&|<>^%!\r\n\0", 11)), std::string::npos)
            << c.keys;
    }
}

TEST_F(HostilePageText, ACommandWithoutTheInterpreterGetsTheValuesAsTheyAreSaveQuotesAndNuls) {
    // No interpreter reads this line: the program gets the text, but neither a quote that would
    // end or begin an argument nor a NUL that would end the line.
    EXPECT_EQ(ConsoleCommandLine(test::LinkFromKeys("command=tool.exe !S\nURLEncoded=n"), page),
              "tool.exe x  & del *.* &   y");
    EXPECT_EQ(ConsoleCommandLine(test::LinkFromKeys("command=tool.exe !T"), page),
              "tool.exe Tom%20%22%26%22%20Jerry%0D%0A%26%20calc%20%7C%20x%20%3E%20y%20%3C%20z%20%5E"
              "%20100%25!");
}

// The program the system would start, as it finds it: quoted, or the line up to any blank.
TEST(InterpreterPrograms, AreBatchFilesAndTheInterpreterInAnyCaseAndForm) {
    test::MemoryPlatformScope scope;
    scope.platform.processes.environment["COMSPEC"] = "C:\\Shells\\Tcc.EXE";
    const std::pair<std::u16string_view, bool> cases[] = {
        {u"lookup.bat x", true},
        {u"  LOOKUP.CMD", true},
        {u"\"C:\\My Tools\\look up.Bat\" x", true},
        {u"C:\\My Tools\\look up.bat x", true}, // tried as "C:\My", then on to the blank
        {u"lookup.bat. x", true},
        {u"lookup.bat . x", true},
        {u"lookup.bat::$DATA x", true},
        {u"cmd /c x", true},
        {u"C:\\Windows\\System32\\CMD.exe /c x", true},
        {u"tcc.exe /c x", true},
        {u"lookup.exe x.bat", true}, // "lookup.exe x.bat" could be a file too
        {u"lookup.exe x", false},
        {u"\"lookup.exe\" x.bat", false},
        {u"C:\\bat\\tool.exe", false},
        {u"notcmd x", false},
        {u"x.batch", false},
        {u"", false},
    };
    for (const auto& [line, interpreted] : cases)
        EXPECT_EQ(NamesInterpreterProgram(line), interpreted) << WideToUtf8(line);
}

TEST_F(HostilePageText, MailtoAddressesKeepTheValuesEncoded) {
    std::u16string address = MailtoAddress(
        test::LinkFromKeys("MailTo=!s\nMailCC=!u\nMailSubject=!T\nMailBody=!U\\n!t"), page);
    EXPECT_EQ(
        address,
        u"mailto:x%22%20%26%20del%20*.*%20%26%20%22%00y"
        u"?cc=https%3A%2F%2Ff.example%2F%3Fq%3D%22a%22%26r%3Db"
        u"&subject=Tom%20%22%26%22%20Jerry%0D%0A%26%20calc%20%7C%20x%20%3E%20y%20%3C%20z%20%5E"
        u"%20100%25!"
        u"&body=https%3A%2F%2Fx.example%2F%3Fa%3D1%26b%3D%222%22%26c%3D%25PATH%25%0A%0D%0A"
        u"Frame%0D%0Atitle%20%26%20more");
    EXPECT_EQ(std::count(address.begin(), address.end(), u'?'), 1);
    EXPECT_EQ(std::count(address.begin(), address.end(), u'&'), 2);
    EXPECT_EQ(address.find_first_of(std::u16string_view(u"\"\r\n #\0 ", 7)), std::u16string::npos);
}

TEST_F(HostilePageText, SimpleMapiGetsEachValueWholeInItsField) {
    MapiMail mail = MapiMessageOf(
        test::LinkFromKeys("MailTo=!s\nMailCC=!U\nMailSubject=!T\nMailBody=!U\\n!t"), page);
    EXPECT_EQ(mail.subject, "Tom \"&\" Jerry\r\n& calc | x > y < z ^ 100%!");
    EXPECT_EQ(mail.noteText, "https://x.example/?a=1&b=\"2\"&c=%PATH%\n\r\nFrame\r\ntitle & more");
    ASSERT_EQ(mail.recipients.size(), 2u);
    EXPECT_EQ(mail.recipients[0].recipientClass, MapiMail::kTo);
    EXPECT_EQ(mail.recipients[0].address, std::string("x\" & del *.* & \"\0y", 18));
    EXPECT_EQ(mail.recipients[1].recipientClass, MapiMail::kCc);
    EXPECT_EQ(mail.recipients[1].address, "https://x.example/?a=1&b=\"2\"&c=%PATH%\n");
}

} // namespace
} // namespace tandrel
