// The texts the module carries: the default link configuration and the system entries.
#include "TestPlatform.h"

#include "config/ConfigLoader.h"
#include "config/LinkList.h"

#include <gtest/gtest.h>

#include <map>

namespace tandrel {
namespace {

std::string_view StoredText(int id) {
    std::optional<std::string_view> text =
        CurrentPlatform().module->FindModuleResource(kStoredTextType, id);
    return text.value_or(std::string_view());
}

TEST(StoredDefault, ActionsThatAreNoSiteSearches) {
    test::MemoryPlatformScope scope;
    CLinkList other;
    LoadLinks(other, "OTHER:", false);
    CLinkList mail;
    LoadLinks(mail, "EMAIL:", false);
    std::map<std::string, const CLink*> byName;
    for (const CLinkList* list : {&other, &mail}) {
        for (const CLink& link : *list)
            byName[link.GetSectionName()] = &link;
    }
    for (const char* name : {"OTHER:GoTo", "OTHER:Ping", "OTHER:TraceRoute", "EMAIL:Url",
                             "EMAIL:Address", "EMAIL:Quote"}) {
        ASSERT_TRUE(byName.count(name)) << name;
        EXPECT_TRUE(byName[name]->GetExclusive()) << name;
    }
    EXPECT_EQ(byName["OTHER:GoTo"]->GetUrl(), "!S");
    EXPECT_EQ(byName["OTHER:Ping"]->GetCommand(), "ping.exe !H");
    EXPECT_EQ(byName["OTHER:TraceRoute"]->GetCommand(), "tracert.exe !H");
    for (const char* name : {"OTHER:Ping", "OTHER:TraceRoute"}) {
        EXPECT_TRUE(byName[name]->GetUseConsole()) << name;
        EXPECT_TRUE(byName[name]->GetLeaveConsole()) << name;
    }
    EXPECT_EQ(byName["EMAIL:Url"]->GetMailSubject(), "!T");
    EXPECT_EQ(byName["EMAIL:Url"]->GetMailBody(), "\\n!U\\n\\n[Email prepared by !C ]");
    EXPECT_EQ(byName["EMAIL:Address"]->GetMailTo(), "!s");
    EXPECT_EQ(byName["EMAIL:Address"]->GetMailSubject(), "!T");
    EXPECT_EQ(byName["EMAIL:Quote"]->GetMailSubject(), "!t");
    EXPECT_EQ(byName["EMAIL:Quote"]->GetMailBody(),
              "!S\\n\\n[Extracted from web page !u \\nby !C ]");
    for (const CLink& link : mail)
        EXPECT_TRUE(link.GetHasMail()) << link.GetSectionName();
}

TEST(StoredDefault, TranslationsFollowLinksInThePage) {
    test::MemoryPlatformScope scope;
    CLinkList translations;
    LoadLinks(translations, "TRANSLATE:", false);
    for (const CLink& link : translations) {
        EXPECT_FALSE(link.GetHref().empty()) << link.GetSectionName();
        EXPECT_TRUE(link.GetExclusive()) << link.GetSectionName();
        EXPECT_EQ(link.GetWindowName(), "_top") << link.GetSectionName();
    }
}

TEST(StoredSystemEntries, AreTheSixteenInTheirOrder) {
    test::MemoryPlatformScope scope;
    const std::string_view kFirstLine = "#These are system menu items and should not be edited\r\n";
    EXPECT_EQ(StoredText(kSystemLinksTextId).substr(0, kFirstLine.size()), kFirstLine);
    const char* const kPages[] = {
        "Home",          "HelpHome",  "HelpCustomize", "HelpBook",  "HelpCurrency", "HelpEmail",
        "HelpISBN",      "HelpMovie", "HelpMusic",     "HelpOther", "HelpSearch",   "HelpStock",
        "HelpTranslate", "HelpUnits", "HelpUPC",       "HelpURL",
    };
    CLinkList system;
    LoadLinks(system, kSystemPrefix, true);
    ASSERT_EQ(system.size(), std::size(kPages));
    for (std::size_t i = 0; i < system.size(); ++i) {
        const CLink& link = system[i];
        std::string page = kPages[i];
        EXPECT_EQ(link.GetSectionName(), "SYSTEM:" + page);
        EXPECT_FALSE(link.GetShortDescription().empty()) << page;
        if (i == 0) {
            EXPECT_EQ(link.GetWindowName(), "_blank");
            EXPECT_EQ(link.GetWidth(), "");
            continue;
        }
        std::string file = page == "HelpHome" ? "HelpIndex" : page;
        EXPECT_EQ(link.GetUrl(), "!I" + file + ".htm");
        EXPECT_EQ(link.GetWidth(), "40%") << page;
        EXPECT_EQ(link.GetHeight(), "80%") << page;
        EXPECT_EQ(link.GetLeft(), "-40%") << page;
        EXPECT_EQ(link.GetTop(), "0") << page;
        EXPECT_EQ(link.GetWindowName(), "NubrixHelp") << page;
    }
}

} // namespace
} // namespace tandrel
