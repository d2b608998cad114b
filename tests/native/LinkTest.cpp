#include "TestPlatform.h"

#include "config/ConfigParser.h"
#include "config/Link.h"

#include <gtest/gtest.h>

#include <map>

namespace tandrel {
namespace {

class LinkTest : public ::testing::Test {
protected:
    // The entry made from the first "ISBN:" section of text.
    static CLink Load(std::string_view text) {
        CSectionList sections;
        ParseConfigText(sections, text, "ISBN:");
        CLink link;
        if (!sections.empty())
            link.LoadFromSection(sections[0]);
        return link;
    }

    test::MemoryPlatformScope scope;
};

TEST_F(LinkTest, EveryKeySetsItsField) {
    CLink link = Load("[ISBN:Full]\r\n"
                      "SHORTDESCRIPTION=Short\r\nlongdescription=Long\r\nUrl=u!S\r\nHREF=h!S\r\n"
                      "command=c !H\r\nuseConsole=y\r\nleaveConsole=1\r\nurlencoded=no\r\n"
                      "MailTo=to\r\nMailCc=cc\r\nmailbcc=bcc\r\nMailSubject=subj\r\n"
                      "MailBody=body\r\nWindowName=w\r\nLeft=-50%\r\nTop=0\r\nWidth=40%\r\n"
                      "Height=80%\r\ndirectories=n\r\nfullscreen=Y\r\nlocation=f\r\n"
                      "MENUBAR=0\r\nresizable=false\r\nscrollbars=No\r\nstatus=n\r\n"
                      "toolbar=0\r\nexclusive=yes\r\ndefaultSelected=true\r\n");
    EXPECT_EQ(link.GetShortDescription(), "Short");
    EXPECT_EQ(link.GetLongDescription(), "Long");
    EXPECT_EQ(link.GetUrl(), "u!S");
    EXPECT_EQ(link.GetHref(), "h!S");
    EXPECT_EQ(link.GetCommand(), "c !H");
    EXPECT_TRUE(link.GetUseConsole());
    EXPECT_TRUE(link.GetLeaveConsole());
    EXPECT_FALSE(link.GetURLEncoded());
    EXPECT_TRUE(link.GetHasMail());
    EXPECT_EQ(link.GetMailTo(), "to");
    EXPECT_EQ(link.GetMailCC(), "cc");
    EXPECT_EQ(link.GetMailBCC(), "bcc");
    EXPECT_EQ(link.GetMailSubject(), "subj");
    EXPECT_EQ(link.GetMailBody(), "body");
    EXPECT_EQ(link.GetWindowName(), "w");
    EXPECT_EQ(link.GetLeft(), "-50%");
    EXPECT_EQ(link.GetTop(), "0");
    EXPECT_EQ(link.GetWidth(), "40%");
    EXPECT_EQ(link.GetHeight(), "80%");
    EXPECT_FALSE(link.GetDirectories());
    EXPECT_TRUE(link.GetFullScreen());
    EXPECT_FALSE(link.GetLocation());
    EXPECT_FALSE(link.GetMenuBar());
    EXPECT_FALSE(link.GetResizable());
    EXPECT_FALSE(link.GetScrollBars());
    EXPECT_FALSE(link.GetStatus());
    EXPECT_TRUE(link.GetTitleBar());
    EXPECT_FALSE(link.GetToolBar());
    EXPECT_TRUE(link.GetExclusive());
    EXPECT_TRUE(link.GetDefaultSelected());
    EXPECT_TRUE(link.GetSelected()) << "no remembered choice: the default tick";
    EXPECT_EQ(link.GetShownDescription(), "Long");
}

TEST_F(LinkTest, EmptyOrUnknownValuesKeepTheDefaults) {
    CLink link = Load("[ISBN:X]\nwindowName=\nURLEncoded=\nexclusive=on\ndirectories= no\n"
                      "fullScreen=x\nshortDescription=\nurl = a\n");
    EXPECT_EQ(link.GetWindowName(), "_blank") << "an empty value never clears a default";
    EXPECT_TRUE(link.GetURLEncoded());
    EXPECT_FALSE(link.GetExclusive()) << "\"on\" is no flag value";
    EXPECT_TRUE(link.GetDirectories()) << "a blank before \"no\"";
    EXPECT_FALSE(link.GetFullScreen());
    EXPECT_EQ(link.GetUrl(), "") << "a blank before \"=\" is part of the key, \"url \"";
}

TEST_F(LinkTest, KeysOfFieldsWithoutKeysSetNothing) {
    CLink link = Load("[ISBN:X]\ntitleBar=no\nselected=yes\nhasMail=yes\nsectionName=Other\n"
                      "URLEncode=n\n");
    EXPECT_TRUE(link.GetTitleBar());
    EXPECT_FALSE(link.GetSelected());
    EXPECT_FALSE(link.GetHasMail());
    EXPECT_EQ(link.GetSectionName(), "ISBN:X");
    EXPECT_TRUE(link.GetURLEncoded()) << "URLEncode is not the key URLEncoded";
}

TEST_F(LinkTest, HasMailWhenAnyMailFieldIsFilled) {
    struct Case {
        const char* keys;
        bool hasMail;
    } cases[] = {
        {"MailTo=", false},    {"MailTo=\nMailCC=\nMailBCC=\nMailSubject=\nMailBody=", false},
        {"MailTo=a", true},    {"MailCC=a", true},
        {"MailBCC=a", true},   {"MailSubject=!T", true},
        {"MailBody=!S", true}, {"url=mailto:a", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Load(std::string("[ISBN:X]\n") + c.keys).GetHasMail(), c.hasMail) << c.keys;
}

TEST_F(LinkTest, ShownDescriptionPrefersTheLongOne) {
    EXPECT_EQ(Load("[ISBN:X]\nshortDescription=S\nlongDescription=L").GetShownDescription(), "L");
    EXPECT_EQ(Load("[ISBN:X]\nshortDescription=S").GetShownDescription(), "S");
    EXPECT_EQ(Load("[ISBN:X]\nshortDescription=S\nlongDescription=").GetShownDescription(), "S");
}

// The field table is what loading, the checker and the tool know of an entry: each keyed field
// must take its key and change nothing else but what derives from it, each unkeyed one must ignore
// a key of its name.
TEST_F(LinkTest, EveryKeyOfTheFieldTableSetsItsOwnFieldOnly) {
    auto values = [](const CLink& link) {
        std::map<std::string_view, std::string> all;
        for (const LinkField& field : LinkFields())
            all[field.name] = field.text ? link.GetText(field) : link.GetFlag(field) ? "1" : "0";
        return all;
    };
    const auto defaults = values(Load("[ISBN:X]"));
    for (const LinkField& field : LinkFields()) {
        std::string value = field.text ? "7" : field.flagDefault ? "n" : "y";
        auto expected = defaults;
        if (field.keyed)
            expected[field.name] = field.text ? "7" : field.flagDefault ? "0" : "1";
        if (field.mail)
            expected["hasMail"] = "1";
        if (field.name == "defaultSelected")
            expected["selected"] = "1";
        EXPECT_EQ(values(Load("[ISBN:X]\n" + std::string(field.name) + "=" + value)), expected)
            << field.name;
    }
}

} // namespace
} // namespace tandrel
