// What an entry does: the window it opens and its features, the link it follows, the program it
// starts, the mail it composes, and the order in which the runner does all of it.
#include "LinkFromKeys.h"
#include "TestPlatform.h"

#include "actions/ConsoleCommand.h"
#include "actions/Mail.h"
#include "actions/OpenLinks.h"
#include "common/TextConversion.h"
#include "config/ConfigLoader.h"
#include "config/ConfigParser.h"
#include "config/LinkList.h"
#include "dialogs/AboutBox.h"
#include "dialogs/MemoryDialogs.h"
#include "page/MemoryBrowser.h"
#include "runner/EntryRunner.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tandrel {
namespace {

class LinkActions : public ::testing::Test {
protected:
    LinkActions() {
        scope.platform.module.SetModulePath(u"C:\\Program Files\\Veltrane Tandrel\\nubrix.dll");
        top->href = u"https://www.example.com/page.html";
        top->hostName = u"www.example.com";
        top->screen = ScreenSize{1280, 1024};
        frame->selection = SelectionText{u"a b", u""};
        Reload();
    }
    void Reload() {
        page = CPageContext();
        ASSERT_EQ(page.Load(frame), kOk);
    }
    void Select(std::u16string text) {
        frame->selection = SelectionText{std::move(text), u""};
        Reload();
    }
    std::vector<BrowserEvent>& Events() { return top->Log()->events; }
    std::vector<BrowserEvent> EventsOf(BrowserEvent::Kind kind) {
        std::vector<BrowserEvent> found;
        for (const BrowserEvent& event : Events())
            if (event.kind == kind)
                found.push_back(event);
        return found;
    }

    test::MemoryPlatformScope scope;
    std::shared_ptr<CMemoryWindow> top = std::make_shared<CMemoryWindow>();
    std::shared_ptr<CMemoryWindow> frame = top->MakeFrame();
    CPageContext page;
};

TEST_F(LinkActions, FeaturesListEveryFlagAndTheGivenDimensions) {
    const std::pair<std::string_view, std::u16string_view> cases[] = {
        {"Width=40%\nHeight=80%\nLeft=-40%\nTop=0",
         u"channelmode=0,directories=1,fullscreen=0,height=819,left=768,location=1,menubar=1,"
         u"resizable=1,scrollbars=1,status=1,titlebar=1,toolbar=1,top=0,width=512"},
        {"width=50%\ndirectories=n\nfullScreen=y\nlocation=n\nmenuBar=n\nresizable=n\n"
         "scrollBars=n\nstatus=n\ntoolBar=n",
         u"channelmode=0,directories=0,fullscreen=1,location=0,menubar=0,resizable=0,"
         u"scrollbars=0,status=0,titlebar=1,toolbar=0,width=640"},
        {"", u"channelmode=0,directories=1,fullscreen=0,height=768,left=0,location=1,menubar=1,"
             u"resizable=1,scrollbars=1,status=1,titlebar=1,toolbar=1,top=0,width=960"},
    };
    for (const auto& [keys, features] : cases)
        EXPECT_EQ(BuildWindowFeatures(test::LinkFromKeys(keys), page, 0), features) << keys;
}

TEST_F(LinkActions, WindowsWithoutDimensionsCascadeAndWrap) {
    // Steps of 4 + 17 across (wrapping at 1280 / 5 = 256) and 4 + 19 down (at 1024 / 3 = 341).
    const std::pair<int, std::u16string_view> cases[] = {
        {0, u",left=0,"}, {1, u",left=21,"}, {2, u",left=42,"}, {13, u",left=17,"}};
    for (const auto& [index, left] : cases)
        EXPECT_NE(BuildWindowFeatures(CLink(), page, index).find(left), std::u16string::npos);
    EXPECT_NE(BuildWindowFeatures(CLink(), page, 15).find(u",top=4,"), std::u16string::npos);
    top->screen = ScreenSize{4, 2};
    Reload();
    EXPECT_NE(BuildWindowFeatures(CLink(), page, 3).find(u",left=0,"), std::u16string::npos)
        << "a screen too small to cascade on";
}

TEST(FeatureDimension, ReadsPixelsAndPercentagesFromEitherEdge) {
    const std::pair<std::string_view, std::u16string_view> cases[] = {{"300", u",left=300"},
                                                                      {"-200", u",left=824"},
                                                                      {"5000", u",left=1024"},
                                                                      {"-150%", u",left=0"},
                                                                      {"50%", u",left=512"},
                                                                      {"33.3%", u",left=340"},
                                                                      {"-40%", u",left=614"},
                                                                      {" 40", u",left=40"},
                                                                      {"1e3", u",left=1000"},
                                                                      {"40%px", u",left=409"},
                                                                      {"1e99", u",left=1024"},
                                                                      {"-0.5", u",left=1023"},
                                                                      {"40 %", u""},
                                                                      {"40px", u""},
                                                                      {"40 ", u""},
                                                                      {"", u""},
                                                                      {"abc", u""},
                                                                      {"%", u""}};
    for (const auto& [value, item] : cases)
        EXPECT_EQ(FeatureDimension(u",left=", value, 1024), item) << value;
}

TEST_F(LinkActions, OpensTheUrlInItsNamedWindowAndBringsItToTheFront) {
    OpenInWindow(test::LinkFromKeys("url=https://books.example/?q=!S\nwindowName=books"), page, 0);
    ASSERT_EQ(EventsOf(BrowserEvent::kOpen).size(), 1u);
    EXPECT_EQ(EventsOf(BrowserEvent::kOpen)[0].address, u"https://books.example/?q=a%20b");
    EXPECT_EQ(EventsOf(BrowserEvent::kOpen)[0].name, u"books");
    EXPECT_EQ(EventsOf(BrowserEvent::kFront).size(), 1u);
}

// An entry's charset governs every address and command line it encodes values into.
TEST_F(LinkActions, EveryEncodedValueOfAnEntryIsInItsCharset) {
    Select(u"\u6771\u4EAC \u00E9");
    const char* utf8 = "URLCharset=utf-8\n";
    OpenInWindow(test::LinkFromKeys(std::string("url=https://x.example/?q=!S\n") + utf8), page, 0);
    OpenInWindow(test::LinkFromKeys("url=https://x.example/?q=!S"), page, 1);
    ASSERT_EQ(EventsOf(BrowserEvent::kOpen).size(), 2u);
    EXPECT_EQ(EventsOf(BrowserEvent::kOpen)[0].address,
              u"https://x.example/?q=%E6%9D%B1%E4%BA%AC%20%C3%A9");
    EXPECT_EQ(EventsOf(BrowserEvent::kOpen)[1].address, u"https://x.example/?q=%20%20%20%E9");
    EXPECT_EQ(MailtoAddress(test::LinkFromKeys(std::string("MailSubject=!S\n") + utf8), page),
              u"mailto:?subject=%E6%9D%B1%E4%BA%AC%20%C3%A9");
    EXPECT_EQ(
        ConsoleCommandLine(test::LinkFromKeys(std::string("command=look.cmd !S\n") + utf8), page),
        "look.cmd #E6#9D#B1#E4#BA#AC#20#C3#A9");
}

// The url way honours URLEncoded=no, but an address the page put together opens only on the web:
// as it is, or a host name as people write it as its https page; anything else is told.
TEST_F(LinkActions, AnUnencodedUrlFromThePageOpensOnlyOnTheWeb) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"https://example.org/a b", u"https://example.org/a b"},
        {u" \x01\t HTTP://x", u" \x01\t HTTP://x"},
        {u"ht\ntps://x", u"ht\ntps://x"},
        {u"FtP://x", u"FtP://x"},
        {u"www.example.org/start", u"https://www.example.org/start"},
        {u" example.org\r\n", u"https://example.org"},
        {u"docs.Example.co.uk:8080/guide?a=b#c", u"https://docs.Example.co.uk:8080/guide?a=b#c"},
        {u"shop.example.io", u"https://shop.example.io"},
        {u"javascript:alert(1)", u""},
        {u"java\nscript:x", u""},
        {u"DATA:text/html,x", u""},
        {u"javascriptx:", u""},
        {u"file:///C:/Windows/x.exe", u""},
        {u"about:blank", u""},
        {u"res://ieframe.dll/x", u""},
        {u"mk:@MSITStore:x.chm", u""},
        {u"ms-settings:", u""},
        {u"\\\\host\\share", u""},
        {u"http s://x", u""},
        {u"https", u""},
        {u"", u""},
        {u"localhost/x", u""},
        {u"192.168.1.1/admin", u""},
        {u"example.invalid", u""},
        {u"-a.example.org", u""},
        {u"user@example.org", u""},
        {u"example.org:80x", u""},
        {u"example.org is great", u""},
    };
    for (const auto& [selection, opened] : cases) {
        Select(std::u16string(selection));
        Events().clear();
        scope.platform.ui.messageBoxes.clear();
        OpenInWindow(test::LinkFromKeys("url=!S\nURLEncoded=no"), page, 0);
        SCOPED_TRACE(WideToUtf8(selection));
        ASSERT_EQ(EventsOf(BrowserEvent::kOpen).size(), opened.empty() ? 0u : 1u);
        if (!opened.empty()) {
            EXPECT_EQ(EventsOf(BrowserEvent::kOpen)[0].address, opened);
            EXPECT_TRUE(scope.platform.ui.messageBoxes.empty());
        } else {
            ASSERT_EQ(scope.platform.ui.messageBoxes.size(), 1u);
            EXPECT_NE(scope.platform.ui.messageBoxes[0].text.find("Nothing was opened for"),
                      std::string::npos);
        }
    }
    // What the author wrote whole is the author's choice.
    Events().clear();
    OpenInWindow(test::LinkFromKeys("url=file:///C|/Tools/x.htm!!\\s\nURLEncoded=no"), page, 0);
    ASSERT_EQ(EventsOf(BrowserEvent::kOpen).size(), 1u);
    EXPECT_EQ(EventsOf(BrowserEvent::kOpen)[0].address, u"file:///C|/Tools/x.htm! ");
    Select(u"javascript:alert(1)");
    OpenInWindow(test::LinkFromKeys("url=!S"), page, 0);
    EXPECT_EQ(EventsOf(BrowserEvent::kOpen).back().address, u"javascript%3Aalert(1)")
        << "encoded, it is harmless and opens";
}

TEST_F(LinkActions, TheStoredGoToEntryOpensTheSelectedAddressAsItIs) {
    CLinkList other;
    LoadLinks(other, "OTHER:", false);
    auto goTo = std::find_if(other.begin(), other.end(), [](const CLink& link) {
        return link.GetSectionName() == "OTHER:GoTo";
    });
    ASSERT_NE(goTo, other.end());
    Select(u"https://example.org/a?b=c  d");
    OpenInWindow(*goTo, page, 0);
    ASSERT_EQ(EventsOf(BrowserEvent::kOpen).size(), 1u);
    EXPECT_EQ(EventsOf(BrowserEvent::kOpen)[0].address, u"https://example.org/a?b=c  d");
}

TEST_F(LinkActions, EachHrefRunWritesAndClicksItsOwnAnchor) {
    CLink link = test::LinkFromKeys("href=javascript:go('x')\nwindowName=_top");
    FollowAnchor(link, page);
    FollowAnchor(test::LinkFromKeys("href=second.html\nwindowName=frameless"), page);
    auto inserts = EventsOf(BrowserEvent::kInsert);
    ASSERT_EQ(inserts.size(), 2u);
    EXPECT_EQ(inserts[0].markup,
              u"<A ID=\"NUBRIX7587\" HREF=\"javascript:go('x')\" TARGET=\"_top\">TRANSLATE</A>");
    EXPECT_EQ(inserts[1].markup,
              u"<A ID=\"NUBRIX7587-2\" HREF=\"second.html\" TARGET=\"frameless\">TRANSLATE</A>");
    auto clicks = EventsOf(BrowserEvent::kClick);
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[1].address, u"second.html") << "the second run clicks its own anchor";
    EXPECT_EQ(AnchorMarkup("ID", std::string(2000, 'h'), "w").size(), 1023u);
    EXPECT_EQ(AnchorMarkup("ID", "h", ""), "<A ID=\"ID\" HREF=\"h\">TRANSLATE</A>");

    frame->hasBody = false;
    FollowAnchor(link, page);
    EXPECT_EQ(scope.platform.ui.beeps, std::vector<std::uint32_t>{kMbIconExclamation});
}

// With useConsole, values from the page stay inside the quoted command; on every line, inside
// their argument.
TEST_F(LinkActions, CommandLinesQuoteTheCommandAndKeepPageTextInside) {
    scope.platform.processes.environment["ComSpec"] = "C:\\Windows\\system32\\cmd.exe";
    top->hostName = u"www.example.com";
    const struct {
        std::u16string_view selection;
        std::string_view keys;
        std::string_view line;
    } cases[] = {
        {u"a b", "command=ping.exe !H\nuseConsole=y\nleaveConsole=y",
         "C:\\Windows\\system32\\cmd.exe /K \"ping.exe www.example.com\""},
        {u"a b", "command=tool.exe !S > out.txt\nuseConsole=y",
         "C:\\Windows\\system32\\cmd.exe /C \"tool.exe a#20b > out.txt\""},
        {u"a b", "command=tool.exe !S", "tool.exe a%20b"},
        {u"x\" & calc & \"", "command=echo !S\nuseConsole=y\nURLEncoded=n",
         "C:\\Windows\\system32\\cmd.exe /C \"echo x    calc    \""},
        {u"a|b<c>d^e\r\nf", "command=echo !s\nuseConsole=y\nURLEncoded=n",
         "C:\\Windows\\system32\\cmd.exe /C \"echo a b c d e f\""},
        // Without the interpreter too, a value's quotes neither end nor start an argument.
        {u"\"q\"", "command=echo !S\nURLEncoded=n", "echo  q "},
    };
    for (const auto& c : cases) {
        Select(std::u16string(c.selection));
        EXPECT_EQ(ConsoleCommandLine(test::LinkFromKeys(c.keys), page), c.line) << c.keys;
    }
    scope.platform.processes.environment.clear();
    EXPECT_EQ(ConsoleCommandLine(test::LinkFromKeys("command=x\nuseConsole=y"), page),
              "COMMAND.COM /C \"x\"");
}

TEST_F(LinkActions, AProgramThatCannotStartShowsTheSystemsText) {
    scope.platform.processes.startError = 2;
    RunConsoleCommand(test::LinkFromKeys("command=missing.exe"), page);
    scope.platform.processes.startError = 1234;
    RunConsoleCommand(test::LinkFromKeys("command=other.exe"), page);
    auto& boxes = scope.platform.ui.messageBoxes;
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "The system cannot find the file specified.\r\n");
    EXPECT_EQ(boxes[0].owner, CMemoryUserInterface::kDesktop);
    EXPECT_EQ(boxes[0].caption, "Veltrane Tandrel");
    EXPECT_EQ(boxes[0].style, kMbIconError);
    EXPECT_EQ(boxes[1].text, "The program could not be started (error 1234).");
}

TEST_F(LinkActions, MailtoAddressesEncodeValuesButNotTheTemplates) {
    Select(u"someone@example.com");
    const std::pair<std::string_view, std::u16string_view> cases[] = {
        {"MailTo=!s", u"mailto:someone%40example.com"},
        {"MailSubject=About !H\nMailBody=Line\\n!U",
         u"mailto:?subject=About www.example.com&body=Line%0D%0Ahttps%3A%2F%2Fwww.example.com%2F"
         u"page.html"},
        {"MailTo=x\nMailCC=c\nMailBCC=b\nMailBody=y", u"mailto:x?cc=c&bcc=b&body=y"},
    };
    for (const auto& [keys, address] : cases)
        EXPECT_EQ(MailtoAddress(test::LinkFromKeys(keys), page), address) << keys;
}

TEST_F(LinkActions, SimpleMapiGetsPlainValuesAndTheRecipientsThatAreThere) {
    Select(u"someone@example.com");
    MapiMail mail = MapiMessageOf(
        test::LinkFromKeys("MailTo=!s\nMailBCC=!T\nMailSubject=!T\nMailBody=a\\nb"), page);
    EXPECT_EQ(mail.subject, std::optional<std::string>(""))
        << "an empty expansion is still a subject";
    EXPECT_EQ(mail.noteText, std::optional<std::string>("a\r\nb"));
    ASSERT_EQ(mail.recipients.size(), 1u) << "an empty BCC is left out";
    EXPECT_EQ(mail.recipients[0].recipientClass, MapiMail::kTo);
    EXPECT_EQ(mail.recipients[0].address, "someone@example.com");
    EXPECT_FALSE(MapiMessageOf(test::LinkFromKeys("MailTo=x"), page).subject);
}

TEST_F(LinkActions, MailFallsBackToMapiThenToAMessage) {
    CLink link = test::LinkFromKeys("MailTo=x");
    SendMail(link, page);
    EXPECT_EQ(EventsOf(BrowserEvent::kNavigate).size(), 1u);
    top->navigateResult = kFail;
    scope.platform.mail.result = 1; // the user closed the compose window: no message
    SendMail(link, page);
    EXPECT_EQ(scope.platform.mail.sent.size(), 1u);
    scope.platform.mail.result = 2;
    SendMail(link, page);
    scope.platform.mail.result.reset();
    SendMail(link, page);
    ASSERT_EQ(scope.platform.ui.messageBoxes.size(), 2u);
    EXPECT_EQ(scope.platform.ui.messageBoxes[0].text,
              "Unable to find your mail program.\n\nNeither MAPI nor Internet Explorer appear to "
              "be configured to support email.");
    EXPECT_EQ(scope.platform.ui.messageBoxes[0].style, kMbIconExclamation);
}

// Program starts noted with the number of page events made before each, so that the page's log
// and the starts read as one ordered log.
class NotedProcesses : public CMemoryProcesses {
public:
    explicit NotedProcesses(const BrowserLog& page) : page_(page) {}
    ProcessStart StartProcess(std::string_view commandLine) override {
        starts.emplace_back(page_.events.size(), std::string(commandLine));
        return CMemoryProcesses::StartProcess(commandLine);
    }
    std::vector<std::pair<std::size_t, std::string>> starts;

private:
    const BrowserLog& page_;
};

TEST_F(LinkActions, TheRunnerCountsChosenEntriesAndKeepsTheStepOrder) {
    NotedProcesses processes(*top->Log());
    Platform view = scope.platform.View();
    view.processes = &processes;
    ScopedPlatform installed(view);

    CLinkList list;
    // Each entry's keys are written in the reverse of the order its steps run in.
    const char* entries[] = {"url=one", "url=skipped", "url=never\nhref=h\ncommand=first.exe",
                             "MailTo=m\nurl=two\ncommand=second.exe", "url=skipped too"};
    for (const char* keys : entries)
        list.Append(test::LinkFromKeys(keys));
    list[1].SetSelected(false);
    list[4].SetSelected(false);
    for (int i : {0, 2, 3})
        list[i].SetSelected(true);
    RunChosenEntries(list, page);

    std::vector<std::u16string> log;
    auto start = processes.starts.begin();
    for (std::size_t i = 0; i <= Events().size(); ++i) {
        for (; start != processes.starts.end() && start->first == i; ++start)
            log.push_back(u"start " + std::u16string(start->second.begin(), start->second.end()));
        if (i == Events().size())
            break;
        const BrowserEvent& event = Events()[i];
        if (event.kind == BrowserEvent::kOpen)
            log.push_back(u"open " + event.address + u" " +
                          event.features.substr(event.features.find(u",left=")));
        else if (event.kind == BrowserEvent::kInsert)
            log.push_back(u"insert");
        else if (event.kind == BrowserEvent::kClick)
            log.push_back(u"click " + event.address);
        else if (event.kind == BrowserEvent::kNavigate)
            log.push_back(u"mail " + event.address);
    }
    const std::u16string expected[] = {
        u"open one ,left=0,location=1,menubar=1,resizable=1,scrollbars=1,status=1,titlebar=1,"
        u"toolbar=1,top=0,width=960",
        u"start first.exe",
        u"insert",
        u"click h",
        u"start second.exe",
        u"open two ,left=42,location=1,menubar=1,resizable=1,scrollbars=1,status=1,titlebar=1,"
        u"toolbar=1,top=46,width=960",
        u"mail mailto:m"};
    EXPECT_EQ(log, std::vector<std::u16string>(std::begin(expected), std::end(expected)));
}

TEST_F(LinkActions, SystemEntriesRunByExactNameInTheSharedHelpWindow) {
    RunSystemEntry(page, "SYSTEM:helpbook");
    EXPECT_TRUE(Events().empty()) << "names are compared with their letter case";
    RunSystemEntry(page, "SYSTEM:HelpBook");
    ASSERT_EQ(EventsOf(BrowserEvent::kOpen).size(), 1u);
    const BrowserEvent open = EventsOf(BrowserEvent::kOpen)[0];
    EXPECT_EQ(open.address, u"file:///C|/Program Files/Veltrane Tandrel/HelpBook.htm");
    EXPECT_EQ(open.name, u"NubrixHelp");
    EXPECT_NE(open.features.find(u"height=819,left=768,"), std::u16string::npos);
}

TEST_F(LinkActions, SystemEntriesOfOneNameAllRunInFileOrder) {
    scope.platform.module.SetResource("FILE", kSystemLinksTextId,
                                      "[SYSTEM:Twice]\r\nurl=first\r\n"
                                      "[SYSTEM:Other]\r\nurl=other\r\n"
                                      "[SYSTEM:twice]\r\nurl=miscased\r\n"
                                      "[SYSTEM:Twice]\r\nurl=second\r\n");
    RunSystemEntry(page, "SYSTEM:Twice");
    const std::vector<BrowserEvent> opened = EventsOf(BrowserEvent::kOpen);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].address, u"first");
    EXPECT_EQ(opened[1].address, u"second");
    EXPECT_NE(opened[1].features.find(u",left=21,"), std::u16string::npos)
        << "the second is the second window of the run";
}

TEST_F(LinkActions, TheAboutBoxOpensThePageOfItsButtonAfterItClosed) {
    CMemoryDialogs dialogs;
    ScopedDialogHost installed(dialogs);
    dialogs.aboutAnswers = {kAboutHelp, kAboutOk, kAboutCustomization, kAboutHomePage, kIdCancel};
    for (int run = 0; run < 5; ++run)
        RunConfigCommand(page);
    std::vector<std::u16string> opened;
    for (const BrowserEvent& event : EventsOf(BrowserEvent::kOpen))
        opened.push_back(event.address + u" in " + event.name);
    EXPECT_EQ(opened,
              (std::vector<std::u16string>{
                  u"file:///C|/Program Files/Veltrane Tandrel/HelpIndex.htm in NubrixHelp",
                  u"file:///C|/Program Files/Veltrane Tandrel/HelpCustomize.htm in NubrixHelp",
                  u"https://tandrel.veltrane.com/ in _blank"}));
}

} // namespace
} // namespace tandrel
