// Page titles, addresses and selections made to break out of where they are put: quotes,
// ampersands, pipes, redirections, carets, percent signs, line breaks and NULs. In a console
// command line every value stays inside the quotes and chains nothing; in a mailto address every
// value stays encoded, so only the template's own "?" and "&" separate its fields; Simple MAPI
// gets each value whole in its own field.
#include "LinkFromKeys.h"
#include "TestPlatform.h"

#include "actions/ConsoleCommand.h"
#include "actions/Mail.h"
#include "config/ConfigParser.h"
#include "page/MemoryBrowser.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tandrel {
namespace {

const std::u16string kTitle = u"Tom \"&\" Jerry\r\n& calc | x > y < z ^ 100%";
const std::u16string kAddress = u"https://x.example/?a=1&b=\"2\"&c=%PATH%\n";
const std::u16string kSelection = std::u16string(u"x\" & del *.* & \"\0y", 18);

class HostilePageText : public ::testing::Test {
protected:
    HostilePageText() {
        scope.platform.processes.environment["COMSPEC"] = "C:\\Windows\\system32\\cmd.exe";
        top->href = kAddress;
        top->hostName = u"x.example";
        top->title = kTitle;
        frame->href = u"https://f.example/?q=\"a\"&r=b";
        frame->title = u"Frame\r\ntitle & more";
        frame->selection = SelectionText{kSelection, u""};
        EXPECT_EQ(page.Load(frame), kOk);
    }

    test::MemoryPlatformScope scope;
    std::shared_ptr<CMemoryWindow> top = std::make_shared<CMemoryWindow>();
    std::shared_ptr<CMemoryWindow> frame = top->MakeFrame();
    CPageContext page;
};

TEST_F(HostilePageText, ConsoleCommandsKeepEveryValueInsideTheirQuotes) {
    const std::string cmd = "C:\\Windows\\system32\\cmd.exe ";
    const struct {
        std::string_view keys;
        std::string line;
    } cases[] = {
        {"command=tool.exe !T\nuseConsole=y\nURLEncoded=n",
         cmd + "/C \"tool.exe Tom     Jerry    calc   x   y   z   100 \""},
        {"command=tool.exe !U !u\nuseConsole=y\nleaveConsole=y\nURLEncoded=n",
         cmd + "/K \"tool.exe https://x.example/?a=1 b= 2  c= PATH   "
               "https://f.example/?q= a  r=b\""},
        {"command=tool.exe !S !s !-\nuseConsole=y\nURLEncoded=n",
         cmd + "/C \"tool.exe x    del *.*     y x    del *.*     y x    del *.*     \""},
        {"command=tool.exe !T !S\nuseConsole=y",
         cmd + "/C \"tool.exe Tom%20%22%26%22%20Jerry%0D%0A%26%20calc%20%7C%20x%20%3E%20y%20%3C%20z"
               "%20%5E%20100%25 x%22%20%26%20del%20*.*%20%26%20%22%00y\""},
        {"command=tool.exe \"!t\"\nuseConsole=y\nURLEncoded=n",
         cmd + "/C \"tool.exe \"Frame  title   more\"\""},
    };
    for (const auto& c : cases) {
        std::string line = ConsoleCommandLine(test::LinkFromKeys(c.keys), page);
        EXPECT_EQ(line, c.line) << c.keys;
        // What the interpreter reads between the outer quotes: the template's own quotes at most,
        // and nothing that chains, redirects, expands or ends the line.
        std::string_view quoted = std::string_view(line).substr(line.find('"') + 1);
        quoted.remove_suffix(1);
        EXPECT_EQ(std::count(quoted.begin(), quoted.end(), '"'),
                  std::count(c.keys.begin(), c.keys.end(), '"'))
            << c.keys;
        EXPECT_EQ(quoted.find_first_of(std::string_view("&|<>^\r\n\0", 8)), std::string::npos)
            << c.keys;
        if (c.keys.find("URLEncoded=n") != std::string_view::npos) {
            EXPECT_EQ(quoted.find('%'), std::string::npos) << c.keys;
        }
    }
}

TEST_F(HostilePageText, ACommandWithoutTheInterpreterGetsTheValuesAsTheyAre) {
    // No interpreter reads this line: the program gets the text, and a NUL ends what it can get.
    EXPECT_EQ(ConsoleCommandLine(test::LinkFromKeys("command=tool.exe !S\nURLEncoded=n"), page),
              "tool.exe " + std::string("x\" & del *.* & \"\0y", 18));
}

TEST_F(HostilePageText, MailtoAddressesKeepTheValuesEncoded) {
    std::u16string address = MailtoAddress(
        test::LinkFromKeys("MailTo=!s\nMailCC=!u\nMailSubject=!T\nMailBody=!U\\n!t"), page);
    EXPECT_EQ(
        address,
        u"mailto:x%22%20%26%20del%20*.*%20%26%20%22%00y"
        u"?cc=https%3A%2F%2Ff.example%2F%3Fq%3D%22a%22%26r%3Db"
        u"&subject=Tom%20%22%26%22%20Jerry%0D%0A%26%20calc%20%7C%20x%20%3E%20y%20%3C%20z%20%5E"
        u"%20100%25"
        u"&body=https%3A%2F%2Fx.example%2F%3Fa%3D1%26b%3D%222%22%26c%3D%25PATH%25%0A%0D%0A"
        u"Frame%0D%0Atitle%20%26%20more");
    EXPECT_EQ(std::count(address.begin(), address.end(), u'?'), 1);
    EXPECT_EQ(std::count(address.begin(), address.end(), u'&'), 2);
    EXPECT_EQ(address.find_first_of(std::u16string_view(u"\"\r\n #\0 ", 7)), std::u16string::npos);
}

TEST_F(HostilePageText, SimpleMapiGetsEachValueWholeInItsField) {
    MapiMail mail = MapiMessageOf(
        test::LinkFromKeys("MailTo=!s\nMailCC=!U\nMailSubject=!T\nMailBody=!U\\n!t"), page);
    EXPECT_EQ(mail.subject, "Tom \"&\" Jerry\r\n& calc | x > y < z ^ 100%");
    EXPECT_EQ(mail.noteText, "https://x.example/?a=1&b=\"2\"&c=%PATH%\n\r\nFrame\r\ntitle & more");
    ASSERT_EQ(mail.recipients.size(), 2u);
    EXPECT_EQ(mail.recipients[0].recipientClass, MapiMail::kTo);
    EXPECT_EQ(mail.recipients[0].address, std::string("x\" & del *.* & \"\0y", 18));
    EXPECT_EQ(mail.recipients[1].recipientClass, MapiMail::kCc);
    EXPECT_EQ(mail.recipients[1].address, "https://x.example/?a=1&b=\"2\"&c=%PATH%\n");
}

} // namespace
} // namespace tandrel
