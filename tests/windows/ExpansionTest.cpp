// Templates expanded inside the test program, on the real platform: the same results as the
// native build, and the user's currency from the real locale.
#include "ExpansionCases.h"
#include "InProcessPlatform.h"
#include "StandInPage.h"

#include "actions/MacroExpansion.h"
#include "page/win32/HtmlWindow.h"

#include <cstdlib>

namespace tandrel::test {
namespace {

using standin::StandInPage;
using standin::StandInPageDescription;
using standin::StandInWindowDescription;

StandInPageDescription SharedPage() {
    StandInPageDescription description;
    description.top.href = std::u16string(kSharedTopUrl);
    description.top.hostName = std::u16string(kSharedTopHost);
    StandInWindowDescription frame;
    frame.href = std::u16string(kSharedFrameUrl);
    frame.hostName = std::u16string(kSharedFrameHost);
    frame.selectionText = std::u16string(kSharedSelection);
    description.frame = frame;
    return description;
}

class Expansion : public InProcessTest {
protected:
    // The currency symbol of the locale the test runs under (the ctest entry sets both).
    static std::u16string LocaleCurrency() {
        const char* expected = std::getenv("TANDREL_LOCALE_CURRENCY");
        std::string code = expected ? expected : "USD";
        return std::u16string(code.begin(), code.end());
    }
};

TEST_F(Expansion, GivesWhatTheNativeBuildGives) {
    if (LocaleCurrency() != u"USD")
        GTEST_SKIP() << "the shared results are those of a USD locale";
    StandInPage page(SharedPage());
    for (const SharedExpansion& shared : kSharedExpansions) {
        CPageContext context;
        ASSERT_EQ(context.Load(WrapHtmlWindow(page.FrameWindow().Get())), kOk);
        EXPECT_EQ(ExpandTemplate(shared.templateText, context, shared.encode), shared.expected)
            << shared.templateText;
    }
}

TEST_F(Expansion, ToCurrencyIsTheUserLocales) {
    StandInPage page(SharedPage());
    CPageContext context;
    ASSERT_EQ(context.Load(WrapHtmlWindow(page.FrameWindow().Get())), kOk);
    EXPECT_EQ(ExpandTemplate("!L/!F", context, false), LocaleCurrency() + u"/SEK");
}

} // namespace
} // namespace tandrel::test
