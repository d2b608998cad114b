#include "ToolContext.h"

#include "page/HostDomain.h"
#include "page/PageContext.h"

#include <gtest/gtest.h>

namespace tandrel::tool {
namespace {

TEST(HostNameOfUrl, AnswersWhatABrowserLocationGives) {
    struct Case {
        std::u16string url;
        std::u16string host;
    } cases[] = {
        {u"https://www.Example.COM/path?q=1", u"www.example.com"},
        {u"http://user:pw@host.example.org:8080/x", u"host.example.org"},
        {u"http://192.168.0.1/", u"192.168.0.1"},
        {u"http://[::1]:8080/", u"[::1]"},
        {u"https://example.com", u"example.com"},
        {u"https://example.com#frag", u"example.com"},
        {u"file:///C:/pages/index.htm", u""},
        {u"FILE://server/share/x.htm", u""},
        {u"about:blank", u""},
        {u"", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HostNameOfUrl(c.url), c.host);
}

TEST(PageOptions, TakesPageOptionsAndLeavesTheRest) {
    std::vector<std::string> args = {
        "links",   "--url", "https://a.example/", "BOOK:", "--screen=1280x1024", "--fields",
        "--title", "T"};
    PageOptions options = ParsePageOptions(args);
    EXPECT_EQ(args, (std::vector<std::string>{"links", "BOOK:", "--fields"}));
    EXPECT_EQ(options.url, u"https://a.example/");
    EXPECT_EQ(options.title, u"T");
    EXPECT_EQ(options.screen.width, 1280);
    EXPECT_EQ(options.screen.height, 1024);
}

TEST(PageOptions, RejectsMissingValuesAndBadScreens) {
    const std::vector<std::vector<std::string>> bad = {
        {"collapse", "--selection"}, {"--screen", "1024"}, {"--screen", "x768"},
        {"--screen", "10x20x30"},    {"--screen", "-5x7"},
    };
    for (std::vector<std::string> args : bad)
        EXPECT_THROW(ParsePageOptions(args), UsageError) << args.back();
}

TEST(BuildPage, FramesAppearOnlyWhenAFrameOptionIsGiven) {
    ToolContext plain;
    plain.options.url = u"https://shop.example.com/item";
    plain.options.selection = u"  Dune ";
    BuildPage(plain);
    EXPECT_EQ(plain.frame, plain.top);
    EXPECT_EQ(plain.top->hostName, u"shop.example.com");

    ToolContext framed;
    framed.options.url = u"https://outer.example.com/";
    framed.options.title = u"Outer";
    framed.options.frameUrl = u"file:///C:/inner.htm";
    BuildPage(framed);
    ASSERT_NE(framed.frame, framed.top);
    CPageContext page;
    ASSERT_EQ(page.Load(framed.frame), kOk);
    EXPECT_EQ(page.GetTopHostName(), u"outer.example.com");
    EXPECT_EQ(page.GetFrameHostName(), u"") << "a file: address has no host";
    EXPECT_EQ(page.GetFrameTitle(), u"Outer") << "frame values default to the top ones";
    EXPECT_EQ(page.GetFrameAddress(), u"file:///C:/inner.htm");
}

} // namespace
} // namespace tandrel::tool
