// Reading anchors out of inserted markup, host names out of addresses, and the log's text.

#include "StandInText.h"
#include "StandInLog.h"

#include <gtest/gtest.h>

namespace tandrel::standin {
namespace {

TEST(StandInTextTest, FindsAnchorAttributesInAnyQuotingAndCase) {
    struct Case {
        std::u16string markup;
        std::optional<std::u16string> id, href, target;
    } cases[] = {
        {u"<A ID=\"NUBRIX7587\" HREF=\"http://a.example/?x=1\" TARGET=\"_top\">TRANSLATE</A>",
         u"NUBRIX7587", u"http://a.example/?x=1", u"_top"},
        {u"<a id='n1' href='h'>t</a>", u"n1", u"h", std::nullopt},
        {u"<a\r\nhref=bare target=_blank id=x>t</a>", u"x", u"bare", u"_blank"},
        {u"<A ID=\"x\" HREF=\"http://t.example/?u=a&amp;b=&lt;c&gt;&#65;&#x42;&unknown;\">", u"x",
         u"http://t.example/?u=a&b=<c>AB&unknown;", std::nullopt},
        {u"<A ID=\"first\" ID=\"second\" HREF=\"\">", u"first", u"", std::nullopt},
        {u"<A HREF=\"a > b\" ID=x>", u"x", u"a > b", std::nullopt},
        {u"<A ID=\"unterminated", u"unterminated", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        std::vector<MarkupAnchor> anchors = FindAnchors(c.markup);
        ASSERT_EQ(anchors.size(), 1u);
        EXPECT_EQ(anchors[0].id, c.id);
        EXPECT_EQ(anchors[0].href, c.href);
        EXPECT_EQ(anchors[0].target, c.target);
    }
}

TEST(StandInTextTest, OnlyAnchorTagsCount) {
    auto anchors = FindAnchors(u"<ABBR id=a><B id=b><a name=one>1</a><p><A id=two>2</A><a>");
    ASSERT_EQ(anchors.size(), 3u);
    EXPECT_EQ(anchors[0].name, u"one");
    EXPECT_EQ(anchors[1].id, u"two");
    EXPECT_FALSE(anchors[2].id);
    EXPECT_TRUE(FindAnchors(u"plain text, no tags").empty());
}

TEST(StandInTextTest, HostOfAddress) {
    const struct {
        std::u16string address, host;
    } cases[] = {
        {u"http://www.example.com/page.html", u"www.example.com"},
        {u"https://user:pw@shop.example.org:8443/a?b#c", u"shop.example.org"},
        {u"http://example.net", u"example.net"},
        {u"http://example.net?q=1", u"example.net"},
        {u"file:///C:/pages/a.htm", u""},
        {u"FILE://server/share/a.htm", u""},
        {u"about:blank", u""},
        {u"mailto:someone@example.com", u""},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HostOfAddress(c.address), c.host);
}

TEST(StandInTextTest, LogLinesQuoteAndEscapeTheirTexts) {
    StandInLog log;
    StandInEvent open;
    open.kind = StandInEvent::Kind::kOpen;
    open.window = u"top";
    open.address = u"http://a.example/?q=\"x\"\\y";
    open.name = u"_blank";
    open.features = u"channelmode=0";
    log.Record(open);
    StandInEvent insert;
    insert.kind = StandInEvent::Kind::kInsert;
    insert.window = u"frame";
    insert.where = u"beforeEnd";
    insert.markup = u"caf\u00E9\r\n\x01";
    insert.refused = true;
    log.Record(insert);
    StandInEvent click;
    click.kind = StandInEvent::Kind::kClick;
    click.window = u"frame";
    click.address = u"h";
    log.Record(click);
    log.CountRead("top");
    log.CountRead("top");
    log.CountRead("selection");

    std::vector<std::string> expected = {
        "open top \"http://a.example/?q=\\\"x\\\"\\\\y\" \"_blank\" \"channelmode=0\" replace=0",
        "insert frame \"beforeEnd\" \"caf\xC3\xA9\\r\\n\\x01\" refused",
        "click frame \"h\" \"\"",
        "read selection 1",
        "read top 2",
    };
    EXPECT_EQ(DescribeLog(log), expected);
}

} // namespace
} // namespace tandrel::standin
