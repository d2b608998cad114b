// The selection's markup as the code finders read it: elements the markup marks hidden are left
// out with everything they hold, whatever else the markup does, and broken markup never breaks
// the reading.
#include "TestPlatform.h"

#include "page/HiddenMarkup.h"
#include "page/MemoryBrowser.h"
#include "page/PageContext.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

TEST(WithoutHiddenElements, LeavesOutWhatTheMarkupHides) {
    const struct {
        std::u16string_view html;
        std::u16string_view shown;
    } cases[] = {
        // Each way markup hides an element, in any letter case and quoting.
        {u"a<span hidden>x</span>b", u"ab"},
        {u"a<SPAN HIDDEN=hidden>x</SPAN>b", u"ab"},
        {u"a<i aria-hidden=\"true\">x</i>b", u"ab"},
        {u"a<i aria-hidden=' TRUE '>x</i>b", u"ab"},
        {u"a<i aria-hidden=\"false\">x</i>b", u"a<i aria-hidden=\"false\">x</i>b"},
        {u"a<div style=\"display:none\">x</div>b", u"ab"},
        {u"a<div style='color: red; DISPLAY : None !important'>x</div>b", u"ab"},
        {u"a<div style=visibility:hidden>x</div>b", u"ab"},
        {u"a<div style=\"visibility: collapse\">x</div>b", u"ab"},
        {u"a<div style=\"display:block\">x</div>b", u"a<div style=\"display:block\">x</div>b"},
        {u"a<div title=\"hidden\" data-hidden>x</div>b",
         u"a<div title=\"hidden\" data-hidden>x</div>b"},
        // Everything inside goes, nested elements of the same name included.
        {u"<p>1<div hidden><div>2</div><b>3</b></div>4</p>", u"<p>14</p>"},
        {u"<div hidden><div><div>x</div></div></div><div>y</div>", u"<div>y</div>"},
        {u"<span hidden><span style=\"display:inline\">x</span></span>y", u"y"},
        // Elements without content hide only themselves.
        {u"a<img hidden src=x>b<br hidden>c", u"abc"},
        {u"a<span hidden/>b", u"ab"},
        // A ">" inside a quoted value, comments and declarations are not tags.
        {u"<a title=\"x>y\" hidden>1</a>2", u"2"},
        {u"<!-- <b hidden> -->x<!DOCTYPE html>", u"<!-- <b hidden> -->x<!DOCTYPE html>"},
        {u"1 < 2 <3", u"1 < 2 <3"},
        // Broken markup: read as far as it goes.
        {u"a<div hidden>never closed", u"a"},
        {u"a<b hidden", u"a"},
        {u"a<b title=\"unclosed>x", u"a<b title=\"unclosed>x"},
        {u"a</b>c<", u"a</b>c<"},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithoutHiddenElements(c.html), c.shown)
            << std::string(c.html.begin(), c.html.end());
}

TEST(WithoutHiddenElements, TheFindersSkipNumbersThePageHides) {
    test::MemoryPlatformScope scope;
    const struct {
        std::u16string html;
        std::u16string isbn;
        std::u16string upc;
    } cases[] = {
        {u"Book <span style=\"display:none\">ISBN 0-306-40615-2 036000291452</span>", u"", u""},
        {u"Book <span aria-hidden=\"true\">0306406152</span> 036000291452", u"", u"036000291452"},
        {u"Book <span>ISBN 0-306-40615-2</span>", u"0306406152", u""},
    };
    for (const auto& c : cases) {
        auto window = std::make_shared<CMemoryWindow>();
        window->selection = SelectionText{u"Book", c.html};
        CPageContext page;
        ASSERT_EQ(page.Load(window), kOk);
        EXPECT_EQ(page.IsbnFromContext(), c.isbn) << std::string(c.html.begin(), c.html.end());
        EXPECT_EQ(page.UpcFromContext(), c.upc) << std::string(c.html.begin(), c.html.end());
    }
}

} // namespace
} // namespace tandrel
