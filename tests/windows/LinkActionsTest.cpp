// The link actions inside the test program, on the real platform and a stand-in page: windows
// opened in list order with the system's own cascade, anchors clicked, programs started, mail.
#include "InProcessPlatform.h"
#include "StandInPage.h"
#include "WindowsTestSupport.h"

#include "actions/ConsoleCommand.h"
#include "actions/Mail.h"
#include "config/ConfigParser.h"
#include "page/win32/HtmlWindow.h"
#include "runner/EntryRunner.h"

#include <algorithm>
#include <fstream>

namespace tandrel::test {
namespace {

using standin::StandInEvent;
using standin::StandInPage;
using standin::StandInPageDescription;

// The text of a template that gives text as it is: a backslash doubled.
std::string TemplateText(std::string_view text) {
    std::string written;
    for (char c : text)
        written += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return written;
}

std::u16string Wide(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

std::wstring TempFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return folder;
}

class LinkActions : public InProcessTest {
protected:
    LinkActions() : page_(Description()) {
        EXPECT_EQ(context.Load(WrapHtmlWindow(page_.FrameWindow().Get())), kOk);
    }
    static StandInPageDescription Description() {
        StandInPageDescription description;
        description.top.href = u"https://www.example.org/page.html";
        description.top.hostName = u"www.example.org";
        description.top.screen = standin::StandInScreenSize{1280, 1024};
        description.top.selectionText = u"someone@example.org";
        return description;
    }
    static CLinkList Entries(std::string_view text) {
        CSectionList sections;
        ParseConfigText(sections, text, "OTHER:");
        CLinkList list;
        for (const CConfigSection& section : sections) {
            CLink link;
            link.LoadFromSection(section);
            link.SetSelected(section.GetName().find("Skip") == std::string::npos);
            list.Append(link);
        }
        return list;
    }
    std::vector<StandInEvent> Events(StandInEvent::Kind kind) { return page_.Log().EventsOf(kind); }

    StandInPage page_;
    CPageContext context;
};

TEST_F(LinkActions, ChosenEntriesOpenInListOrderWithTheSystemsCascade) {
    RunChosenEntries(Entries("[OTHER:A]\nurl=a\n[OTHER:Skip]\nurl=s\n[OTHER:B]\nurl=b\n"
                             "[OTHER:C]\nurl=c\n"),
                     context);
    auto opens = Events(StandInEvent::Kind::kOpen);
    ASSERT_EQ(opens.size(), 3u);
    int step = GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXVSCROLL);
    for (int index = 0; index < 3; ++index) {
        EXPECT_EQ(opens[index].address, std::u16string(1, u"abc"[index]));
        std::string left = ",left=" + std::to_string(index * step % (1280 / 5)) + ",";
        EXPECT_NE(opens[index].features.find(std::u16string(left.begin(), left.end())),
                  std::u16string::npos);
    }
}

TEST_F(LinkActions, AnHrefEntryInsertsItsAnchorAndClicksItWithItsTarget) {
    RunChosenEntries(Entries("[OTHER:T]\nhref=https://translate.example/?u=x\nwindowName=_top\n"),
                     context);
    ASSERT_EQ(Events(StandInEvent::Kind::kInsert).size(), 1u);
    auto clicks = Events(StandInEvent::Kind::kClick);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].address, u"https://translate.example/?u=x");
    EXPECT_EQ(clicks[0].name, u"_top");
}

TEST_F(LinkActions, ACommandStartsItsProgramAndAFailingOneShowsTheSystemsText) {
    std::wstring marker = TempFolder() + L"tandrel-started.txt";
    DeleteFileW(marker.c_str());
    RunConsoleCommand(Entries("[OTHER:Echo]\ncommand=cmd.exe /C echo started>\"" +
                              TemplateText(Narrow(marker)) + "\"\nURLEncoded=n\n")[0],
                      context);
    EXPECT_TRUE(
        WaitUntil([&] { return GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }));
    DeleteFileW(marker.c_str());
    EXPECT_TRUE(ui.messageBoxes.empty());

    RunConsoleCommand(Entries("[OTHER:Missing]\ncommand=no-such-program.exe\n")[0], context);
    ASSERT_EQ(ui.messageBoxes.size(), 1u);
    EXPECT_FALSE(ui.messageBoxes[0].text.empty());
    EXPECT_EQ(ui.messageBoxes[0].text.find("The program could not be started"), std::string::npos)
        << "the system has a text for a missing program";
    EXPECT_EQ(ui.messageBoxes[0].style, static_cast<std::uint32_t>(MB_ICONERROR));
}

// A batch program runs through the real interpreter, console or not: what the page gives reaches
// the program as inert text that chains nothing and puts in no variable.
TEST_F(LinkActions, PageTextReachesABatchProgramInert) {
    std::wstring folder = TempFolder();
    std::wstring batch = folder + L"tandrel-lookup.bat";
    std::wstring arguments = folder + L"tandrel-arguments.txt";
    std::wstring marker = folder + L"tandrel-marker.txt";
    WriteFileBytes(batch, "@echo off\r\necho [%*]> \"" + Narrow(arguments) + "\"\r\n");
    const std::string chain = " & echo x> " + Narrow(marker) + " & rem";
    const struct {
        std::string_view keys;
        std::u16string selection;
        std::u16string title;
        std::string arguments;
    } cases[] = {
        {"command=!B !S\nURLEncoded=n", u"x" + Wide(chain), u"t",
         "[x   echo x  " + Narrow(marker) + "   rem]"},
        {"command=\"!B\" !T\nURLEncoded=n", u"s", u"a\"" + Wide(chain) + u"| more",
         "[a    echo x  " + Narrow(marker) + "   rem  more]"},
        {"command=!B !S !T", u"\u00CD\u00DATE ", u"%PATH%!PATH!",
         "[#CD#DATE#20 #25PATH#25#21PATH#21]"},
        {"command=!B !S\nURLEncoded=n", u"x%CD%y!CD!z", u"t", "[x CD y CD z]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.keys));
        DeleteFileW(arguments.c_str());
        StandInPageDescription description = Description();
        description.top.selectionText = c.selection;
        description.top.title = c.title;
        StandInPage page(description);
        CPageContext context;
        ASSERT_EQ(context.Load(WrapHtmlWindow(page.FrameWindow().Get())), kOk);
        std::string keys(c.keys);
        // With forward slashes, which an encoded template keeps as they are.
        std::string program = Narrow(batch);
        std::replace(program.begin(), program.end(), '\\', '/');
        keys.replace(keys.find("!B"), 2, program);
        RunConsoleCommand(Entries("[OTHER:Batch]\n" + keys + "\n")[0], context);
        ASSERT_TRUE(WaitUntil([&] { return !ReadFileBytes(arguments).empty(); }))
            << "the batch program never ran";
        WaitUntil([] { return !ProcessRunning(L"cmd.exe"); });
        EXPECT_EQ(ReadFileBytes(arguments), c.arguments + "\r\n");
        EXPECT_EQ(GetFileAttributesW(marker.c_str()), INVALID_FILE_ATTRIBUTES);
        DeleteFileW(marker.c_str());
    }
    EXPECT_TRUE(ui.messageBoxes.empty());
    DeleteFileW(batch.c_str());
    DeleteFileW(arguments.c_str());
}

TEST_F(LinkActions, MailNavigatesToItsAddressAndElseNamesTheMissingMailProgram) {
    CLinkList mail = Entries("[OTHER:Mail]\nMailTo=!s\nMailSubject=!T\n");
    SendMail(mail[0], context);
    auto navigations = Events(StandInEvent::Kind::kNavigate);
    ASSERT_EQ(navigations.size(), 1u);
    EXPECT_EQ(navigations[0].address, u"mailto:someone%40example.org?subject=");

    StandInPageDescription refusing = Description();
    refusing.top.navigateResult = E_ACCESSDENIED;
    StandInPage page(refusing);
    CPageContext refused;
    ASSERT_EQ(refused.Load(WrapHtmlWindow(page.FrameWindow().Get())), kOk);
    CMemoryMail noMapi;
    Platform view = CurrentPlatform();
    view.mail = &noMapi;
    ScopedPlatform withoutMapi(view);
    SendMail(mail[0], refused);
    ASSERT_EQ(ui.messageBoxes.size(), 1u);
    EXPECT_EQ(ui.messageBoxes[0].text.substr(0, 33), "Unable to find your mail program.");
}

} // namespace
} // namespace tandrel::test
