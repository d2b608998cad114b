// The help pages installed beside the module: every page a system link opens exists, and every
// link between pages leads to a page (or an anchor) that is there.
#include "TestPlatform.h"

#include "config/ConfigLoader.h"
#include "config/LinkList.h"
#include "conversions/Units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <vector>

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

// Every page a system link opens is installed, and each of its links leads to a page, or an
// anchor, that is there.
TEST(HelpPages, SystemLinksAndTheLinksBetweenPagesResolve) {
    test::MemoryPlatformScope scope;
    CLinkList links;
    LoadLinks(links, "SYSTEM:", true);
    const std::regex link("<a\\s[^>]*href=\"([^\"#:]*)(#([^\"]*))?\"", std::regex::icase);
    for (const CLink& entry : links) {
        const std::string url = entry.GetUrl();
        if (url.rfind("!I", 0) != 0)
            continue;
        const std::string name = url.substr(2);
        std::optional<std::string> page = ReadPage(name);
        ASSERT_TRUE(page) << entry.GetSectionName() << " opens " << url;
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

// The page is Windows-1252, as the stored text is; these are the entities the units page writes
// for the bytes of the stored text that HTML cannot show as they are.
const std::pair<std::string_view, std::string_view> kEntities[] = {
    {"&deg;", "\xB0"}, {"&micro;", "\xB5"}, {"&sup2;", "\xB2"}, {"&sup3;", "\xB3"}, {"&#39;", "'"},
    {"&quot;", "\""},  {"&lt;", "<"},       {"&gt;", ">"},      {"&amp;", "&"}};

std::string Unescape(std::string_view html) {
    std::string text;
    for (std::size_t at = 0; at < html.size();) {
        const auto* entity =
            std::find_if(std::begin(kEntities), std::end(kEntities),
                         [&](const auto& e) { return html.substr(at).rfind(e.first, 0) == 0; });
        if (entity != std::end(kEntities)) {
            text += entity->second;
            at += entity->first.size();
        } else {
            text += html[at++];
        }
    }
    return text;
}

std::string Escape(std::string_view text) {
    std::string html;
    for (char c : text) {
        const auto* entity =
            std::find_if(std::begin(kEntities), std::end(kEntities),
                         [c](const auto& e) { return e.second == std::string_view(&c, 1); });
        html += entity != std::end(kEntities) ? std::string(entity->first) : std::string(1, c);
    }
    return html;
}

// The lines of a text that are neither blank nor comments, line ends dropped.
std::vector<std::string> SignificantLines(std::string_view text) {
    std::vector<std::string> lines;
    std::istringstream in{std::string(text)};
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    }
    return lines;
}

// A figure as the units page writes it: six digits, with the exponent of a C99 "%g" ("1e-10").
std::string Figure(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// How the units page writes the way a unit maps onto its category's reference unit.
std::string Formula(const CUnit& unit) {
    std::string formula = unit.GetInvert() ? Figure(unit.GetScale()) + " &divide; value"
                                           : "value &times; " + Figure(unit.GetScale());
    if (unit.GetOffset() < 0)
        formula += " &minus; " + Figure(-unit.GetOffset());
    else if (unit.GetOffset() > 0)
        formula += " + " + Figure(unit.GetOffset());
    return formula;
}

// The units page copies the stored unit sections and lists every unit with its figure; both must
// say what the stored default says.
TEST(HelpPages, UnitsPageShowsTheStoredUnits) {
    test::MemoryPlatformScope scope;
    std::optional<std::string> page = ReadPage("HelpUnits.htm");
    ASSERT_TRUE(page);
    std::string_view stored = CurrentPlatform()
                                  .module->FindModuleResource(kStoredTextType, kDefaultLinksTextId)
                                  .value_or("");
    std::size_t firstUnit = stored.find("\n[UNIT:");
    ASSERT_NE(firstUnit, std::string_view::npos);
    std::size_t pre = page->find("<pre>[UNIT:");
    ASSERT_NE(pre, std::string::npos);
    pre += 5;
    std::string copied =
        Unescape(std::string_view(*page).substr(pre, page->find("</pre>", pre) - pre));
    std::vector<std::string> copiedLines = SignificantLines(copied);
    std::vector<std::string> storedLines = SignificantLines(stored.substr(firstUnit + 1));
    for (std::size_t i = 0; i < std::max(copiedLines.size(), storedLines.size()); ++i) {
        std::string copiedLine = i < copiedLines.size() ? copiedLines[i] : "(nothing)";
        std::string storedLine = i < storedLines.size() ? storedLines[i] : "(nothing)";
        if (copiedLine != storedLine) {
            ADD_FAILURE() << "the page copies \"" << copiedLine << "\" where the stored text has \""
                          << storedLine << "\"";
            break;
        }
    }

    std::map<std::string, std::string> formulaByName;
    const std::regex row("<tr><td>([^<]*)</td><td>[^<]*</td><td>([^<]*)</td></tr>");
    for (std::sregex_iterator it(page->begin(), page->end(), row), end; it != end; ++it)
        formulaByName[(*it)[1].str()] = (*it)[2].str();
    CUnitTable table = LoadUnitTable();
    std::size_t units = 0;
    for (const auto& [name, category] : table.Categories()) {
        for (const CUnit& unit : category.Units()) {
            ++units;
            auto listed = formulaByName.find(Escape(unit.GetName()));
            ASSERT_NE(listed, formulaByName.end()) << unit.GetName() << " is not listed";
            EXPECT_EQ(listed->second, Formula(unit)) << unit.GetName();
        }
    }
    EXPECT_EQ(formulaByName.size(), units) << "the page lists a unit the table does not have";
}

} // namespace
} // namespace tandrel
