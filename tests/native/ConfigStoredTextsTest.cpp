// The entries of the stored default that are no site searches. (Its categories, ticks and units:
// tool_default_test.sh; the system entries: the Help buttons of CommandDispatchTest.cpp and the
// about box of LinkActionsTest.cpp.)
#include "TestPlatform.h"

#include "config/LinkList.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

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

} // namespace
} // namespace tandrel
