// The help pages installed beside the module: every page a system link opens exists, and every
// link between pages leads to a page (or an anchor) that is there.
#include "TestPlatform.h"

#include "config/LinkList.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

namespace tandrel {
namespace {

const std::string kHelpFolder = std::string(TANDREL_SOURCE_DIR) + "/src/resources/help/";

std::optional<std::string> ReadPage(const std::string& name) {
    std::ifstream in(kHelpFolder + name, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(HelpPages, EverySystemLinkOpensAnInstalledPage) {
    test::MemoryPlatformScope scope;
    CLinkList links;
    LoadLinks(links, "SYSTEM:", true);
    int helpPages = 0;
    for (const CLink& link : links) {
        const std::string url = link.GetUrl();
        if (url.rfind("!I", 0) != 0)
            continue;
        ++helpPages;
        EXPECT_TRUE(ReadPage(url.substr(2))) << link.GetSectionName() << " opens " << url;
    }
    EXPECT_EQ(helpPages, 15);
}

TEST(HelpPages, LinksBetweenPagesResolve) {
    const char* pages[] = {
        "HelpIndex.htm", "HelpCustomize.htm", "HelpBook.htm",  "HelpCurrency.htm", "HelpEmail.htm",
        "HelpISBN.htm",  "HelpMovie.htm",     "HelpMusic.htm", "HelpOther.htm",    "HelpSearch.htm",
        "HelpStock.htm", "HelpTranslate.htm", "HelpUnits.htm", "HelpUPC.htm",      "HelpURL.htm"};
    const std::regex link("<a\\s[^>]*href=\"([^\"#:]*)(#([^\"]*))?\"", std::regex::icase);
    for (const char* name : pages) {
        std::optional<std::string> page = ReadPage(name);
        ASSERT_TRUE(page) << name;
        EXPECT_NE(page->find("HelpIndex.htm"), std::string::npos) << name << " links to the index";
        for (std::sregex_iterator it(page->begin(), page->end(), link), end; it != end; ++it) {
            std::string target = (*it)[1].str().empty() ? name : (*it)[1].str();
            std::optional<std::string> linked = ReadPage(target);
            ASSERT_TRUE(linked) << name << " links to missing " << target;
            if ((*it)[3].matched) {
                std::string anchor = (*it)[3].str();
                EXPECT_TRUE(linked->find("id=\"" + anchor + "\"") != std::string::npos ||
                            linked->find("name=\"" + anchor + "\"") != std::string::npos)
                    << name << " links to missing anchor " << target << "#" << anchor;
            }
        }
    }
}

} // namespace
} // namespace tandrel
