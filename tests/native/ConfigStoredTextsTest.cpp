// The texts the module carries: the default link configuration and the system entries.
#include "TestPlatform.h"

#include "config/ConfigLoader.h"
#include "config/LinkList.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

std::string_view StoredText(int id) {
    std::optional<std::string_view> text =
        CurrentPlatform().module->FindModuleResource(kStoredTextType, id);
    return text.value_or(std::string_view());
}

// Each stands alone in its list: ticking one unticks the others. (What each does is the tool's
// "run, stored actions" check.)
TEST(StoredDefault, ActionsThatAreNoSiteSearchesAreExclusive) {
    test::MemoryPlatformScope scope;
    for (const char* prefix : {"OTHER:", "EMAIL:"}) {
        CLinkList list;
        LoadLinks(list, prefix, false);
        for (const CLink& link : list)
            EXPECT_TRUE(link.GetExclusive()) << link.GetSectionName();
    }
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
