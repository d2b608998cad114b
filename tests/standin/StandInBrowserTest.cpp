// The parts of standin.exe: its command line, finding a menu entry's script, and running a
// script with the platform's JScript engine against a stand-in page.

#include "BrowserOptions.h"
#include "MenuScript.h"
#include "ScriptHost.h"
#include "StandInPage.h"

#include "ComObject.h"

#include <gtest/gtest.h>

namespace tandrel::standin {
namespace {

std::optional<BrowserOptions> Parse(std::vector<std::u16string> arguments) {
    std::string error;
    return ParseBrowserOptions(arguments, error);
}

TEST(BrowserOptionsTest, PageWithoutFrames) {
    auto options = Parse({u"--menu", u"=>ISBN", u"--url", u"http://www.example.com:80/a?b",
                          u"--title", u"A page", u"--selection", u"<0306406152>", u"--screen",
                          u"1280x994", u"--name", u"main"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->menuText, u"=>ISBN");
    EXPECT_FALSE(options->page.frame);
    const StandInWindowDescription& top = options->page.top;
    EXPECT_EQ(top.href, u"http://www.example.com:80/a?b");
    EXPECT_EQ(top.hostName, u"www.example.com");
    EXPECT_EQ(top.title, u"A page");
    EXPECT_EQ(top.name, u"main");
    EXPECT_EQ(top.selectionText, u"<0306406152>");
    EXPECT_EQ(top.selectionHtml, u"&lt;0306406152&gt;");
    ASSERT_TRUE(top.screen);
    EXPECT_EQ(top.screen->availWidth, 1280);
    EXPECT_EQ(top.screen->availHeight, 994);
    EXPECT_TRUE(options->screenGiven);
}

TEST(BrowserOptionsTest, FrameHoldsSelectionAndBodyWhileTopOpensAndNavigates) {
    auto options = Parse({u"--script", u"x.js", u"--url", u"http://top.example/", u"--frame-url",
                          u"file:///C:/a.htm", u"--host", u"given.example", u"--selection", u"word",
                          u"--html", u"<b>word</b>", u"--selection-kind", u"control", u"--no-body",
                          u"--refuse-open", u"--refuse-navigate", u"--screen", u"none"});
    ASSERT_TRUE(options);
    ASSERT_TRUE(options->page.frame);
    const StandInWindowDescription& top = options->page.top;
    const StandInWindowDescription& frame = *options->page.frame;
    EXPECT_EQ(top.hostName, u"given.example");
    EXPECT_EQ(frame.hostName, u"");
    EXPECT_EQ(frame.selectionText, u"word");
    EXPECT_EQ(frame.selectionHtml, u"<b>word</b>");
    EXPECT_EQ(frame.selectionKind, SelectionKind::kControlRange);
    EXPECT_FALSE(frame.hasBody);
    EXPECT_EQ(top.selectionText, u"");
    EXPECT_TRUE(top.hasBody);
    EXPECT_TRUE(top.openRefused);
    EXPECT_TRUE(FAILED(top.navigateResult));
    EXPECT_FALSE(top.screen);
}

TEST(BrowserOptionsTest, BadCommandLines) {
    const std::vector<std::vector<std::u16string>> cases = {
        {},
        {u"--menu", u"=>ISBN", u"--script", u"x.js"},
        {u"--menu"},
        {u"--menu", u"=>ISBN", u"--screen", u"1024"},
        {u"--menu", u"=>ISBN", u"--screen", u"axb"},
        {u"--menu", u"=>ISBN", u"--selection-kind", u"image"},
        {u"--menu", u"=>ISBN", u"--unknown"},
        {u"--menu", u"=>ISBN", u"--answer"},
        {u"--menu", u"=>ISBN", u"--answer", u"press:OK;jump:1"},
        {u"--menu", u"=>ISBN", u"--answer", u"choose:x:Films"},
        {u"--menu", u"=>ISBN", u"--answer", u"choose:102"},
        {u"--menu", u"=>ISBN", u"--mapi-result", u"-1"},
        {u"--menu", u"=>ISBN", u"--mapi-result", u"4294967296"},
    };
    for (const auto& arguments : cases) {
        std::string error;
        EXPECT_FALSE(ParseBrowserOptions(arguments, error));
        EXPECT_FALSE(error.empty());
    }
    EXPECT_TRUE(Parse({u"--help"}));
}

TEST(BrowserOptionsTest, AnswersPicturesAndMailResult) {
    auto options = Parse({u"--script", u"x.js", u"--answer",
                          u"type:a:b;;choose:102:Films;toggle:Beta;press:OK", u"--answer", u"",
                          u"--screenshot", u"C:\\shots", u"--mapi-result", u"4294967295"});
    ASSERT_TRUE(options);
    ASSERT_EQ(options->user.answers.size(), 2u);
    using Kind = DialogAction::Kind;
    const struct {
        Kind kind;
        std::u16string text;
        int control;
    } expected[] = {{Kind::kType, u"a:b", 0},
                    {Kind::kChoose, u"Films", 102},
                    {Kind::kToggle, u"Beta", 0},
                    {Kind::kPress, u"OK", 0}};
    const DialogAnswer& first = options->user.answers[0];
    ASSERT_EQ(first.size(), std::size(expected));
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].kind, expected[i].kind) << i;
        EXPECT_EQ(first[i].text, expected[i].text) << i;
        EXPECT_EQ(first[i].control, expected[i].control) << i;
    }
    EXPECT_TRUE(options->user.answers[1].empty());
    EXPECT_EQ(options->user.screenshotFolder, u"C:\\shots");
    EXPECT_EQ(options->user.mapiResult, 4294967295ul);
    EXPECT_EQ(Parse({u"--script", u"x.js"})->user.mapiResult,
              static_cast<unsigned long>(MAPI_E_FAILURE));
}

TEST(MenuScriptTest, ExtractsTheScriptElementAndItsFirstLine) {
    const std::u16string page = u"<HTML>\r\n<script LANGUAGE=\"JavaScript\" defer>\r\n"
                                u"var helper = 1;\r\n</SCRIPT>\r\n<SCRIPT>second</SCRIPT>";
    std::optional<ScriptText> script = ExtractScript(page);
    ASSERT_TRUE(script);
    EXPECT_EQ(script->code, u"\r\nvar helper = 1;\r\n");
    EXPECT_EQ(script->firstLine, 1u);

    EXPECT_FALSE(ExtractScript(u"<SCRIPTX>a</SCRIPT>"));
    EXPECT_FALSE(ExtractScript(u"<SCRIPT>never closed"));
    EXPECT_FALSE(ExtractScript(u"no script"));
    EXPECT_EQ(ExtractScript(u"<SCRIPT></script >")->code, u"");
}

TEST(MenuScriptTest, ScriptPagePathOfAMenuValue) {
    EXPECT_EQ(ScriptPagePath(u"file:///D:\\My Tools\\isbn.htm"), u"D:\\My Tools\\isbn.htm");
    EXPECT_EQ(ScriptPagePath(u"FILE:///Z:/tmp/a.htm"), u"Z:/tmp/a.htm");
    EXPECT_EQ(ScriptPagePath(u"C:\\a.htm"), u"C:\\a.htm");
    EXPECT_FALSE(ScriptPagePath(u"file:///"));
    EXPECT_FALSE(ScriptPagePath(u""));
}

// Scripts run by the platform's engine: the apartment is initialised for each test, and every
// object of the page must be released once the engine is closed and the page is gone.
class ScriptHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        liveBefore_ = LiveStandInObjects();
    }
    void TearDown() override {
        EXPECT_EQ(LiveStandInObjects(), liveBefore_) << "leaked objects";
        OleUninitialize();
    }

    ScriptRun Run(StandInPage& page, const std::u16string& code, unsigned firstLine = 0) {
        auto window = page.FrameWindow().As<IDispatch>(IID_IDispatch);
        return RunMenuScript(code, firstLine, window.Get(), page.SharedLog());
    }

private:
    long liveBefore_ = 0;
};

TEST_F(ScriptHostTest, ScriptReachesThePageThroughMenuArguments) {
    StandInPageDescription described;
    described.top.name = u"main";
    described.frame = StandInWindowDescription{};
    StandInPage page(described);
    ScriptRun run =
        Run(page, u"var w = external.menuArguments;\n"
                  u"var top = w.top;\n"
                  u"var opened = top.open('http://a.example/?n=' + top.name, 'x', 'f=1');\n"
                  u"opened.navigate('http://b.example/');\n");
    EXPECT_EQ(run.outcome, ScriptRun::Outcome::kDone) << run.message;
    ASSERT_EQ(page.Log().Events().size(), 2u);
    EXPECT_EQ(page.Log().Events()[0].address, u"http://a.example/?n=main");
    EXPECT_EQ(page.Log().Events()[0].window, u"top");
    EXPECT_EQ(page.Log().Events()[1].window, u"opened 1");
    EXPECT_EQ(page.Log().Reads("menuArguments"), 1);
}

TEST_F(ScriptHostTest, ErrorsGiveTheirLineInThePageAndDescription) {
    StandInPage page(StandInPageDescription{});
    ScriptRun run =
        Run(page, u"\r\nexternal.menuArguments.navigate('x:1');\r\nnoSuchName.call();\r\n", 4);
    EXPECT_EQ(run.outcome, ScriptRun::Outcome::kScriptError);
    EXPECT_EQ(run.line, 7u);
    EXPECT_NE(run.message.find("noSuchName"), std::string::npos) << run.message;
    EXPECT_EQ(page.Log().Events().size(), 1u) << "what ran before the error stays done";

    ScriptRun syntax = Run(page, u"var = ;");
    EXPECT_EQ(syntax.outcome, ScriptRun::Outcome::kScriptError);
    EXPECT_FALSE(syntax.message.empty());
}

TEST_F(ScriptHostTest, BrowserErrorsReachTheScript) {
    StandInPageDescription described;
    described.top.navigateResult = E_ACCESSDENIED;
    StandInPage page(described);
    ScriptRun run = Run(page, u"var refused = false;\n"
                              u"try { external.menuArguments.navigate('mailto:a@b'); }\n"
                              u"catch (e) { refused = true; }\n"
                              u"if (!refused) external.menuArguments.open('wrong', '', '');\n");
    EXPECT_EQ(run.outcome, ScriptRun::Outcome::kDone) << run.message;
    EXPECT_TRUE(page.Log().EventsOf(StandInEvent::Kind::kOpen).empty());
}

TEST_F(ScriptHostTest, ScriptsCreateRegisteredObjects) {
    // The menu pages create the system's object with ActiveXObject; any registered class shows
    // that the hosted engine allows it.
    StandInPage page(StandInPageDescription{});
    ScriptRun run = Run(page, u"var d = new ActiveXObject('Scripting.Dictionary');\n"
                              u"d.Add('k', 'v');\n"
                              u"external.menuArguments.navigate('x:' + d.Item('k'));\n");
    EXPECT_EQ(run.outcome, ScriptRun::Outcome::kDone) << run.message;
    ASSERT_EQ(page.Log().Events().size(), 1u);
    EXPECT_EQ(page.Log().Events()[0].address, u"x:v");
}

} // namespace
} // namespace tandrel::standin
