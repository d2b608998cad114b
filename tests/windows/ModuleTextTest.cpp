// The module's texts through the Win32 platform: the string table and stored texts compiled by
// the resource compiler must equal the native build's, and the platform's formatter and code
// page must agree with the portable ones.
#include "InProcessPlatform.h"

#include "common/BuiltInResources.h"
#include "common/MessageFormat.h"
#include "common/Messages.h"
#include "common/TextConversion.h"

namespace tandrel::test {
namespace {

using ModuleText = InProcessTest;

TEST_F(ModuleText, StringTableEqualsTheBuiltInTexts) {
    ASSERT_FALSE(BuiltInStrings().empty());
    for (const BuiltInString& entry : BuiltInStrings())
        EXPECT_EQ(LoadText(entry.id), entry.text) << entry.id;
    EXPECT_EQ(LoadText(99), "");
}

TEST_F(ModuleText, StoredTextsEqualTheBuiltInOnes) {
    ASSERT_EQ(BuiltInResources().size(), 3u);
    for (const BuiltInResource& resource : BuiltInResources()) {
        std::optional<std::string_view> stored =
            CurrentPlatform().module->FindModuleResource(resource.type, resource.id);
        ASSERT_TRUE(stored) << resource.type << " " << resource.id;
        EXPECT_EQ(*stored, resource.bytes) << resource.type << " " << resource.id;
    }
    EXPECT_FALSE(CurrentPlatform().module->FindModuleResource("FILE", 207));
}

TEST_F(ModuleText, PlatformFormatterAgreesWithThePortableOne) {
    struct Case {
        std::string pattern;
        std::vector<MessageArg> args;
    } cases[] = {
        {"Cannot calculate answer %1", {std::string("(Division by zero)")}},
        {"%2 and %1", {std::string("one"), std::string("two")}},
        {"%1!d! items", {std::int64_t{42}}},
        {"100%% sure", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CurrentPlatform().text->FormatInserts(c.pattern, c.args),
                  FormatMessageInserts(c.pattern, c.args))
            << c.pattern;
    }
    EXPECT_EQ(CurrentPlatform().text->FormatInserts("%3", {std::string("x")}), std::nullopt)
        << "an insert without an argument fails instead of reading past the arguments";
}

TEST_F(ModuleText, AnsiCodePageIsWindows1252) {
    if (GetACP() != 1252)
        GTEST_SKIP() << "the system code page is " << GetACP();
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(AnsiToWide(all), Windows1252ToWide(all));
    std::u16string wide = u"\u20AC\u00B0\u00B5 text \u0153";
    EXPECT_EQ(WideToAnsi(wide), WideToWindows1252(wide));
}

} // namespace
} // namespace tandrel::test
