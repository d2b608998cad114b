#include "CommaLocale.h"
#include "common/DecimalNumber.h"
#include "config/ConfigParser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tandrel {
namespace {

// A section with one key "v" holding value.
CConfigSection WithValue(std::string value) {
    CConfigSection section("ISBN:X");
    section.SetValue("v", std::move(value));
    return section;
}

TEST(ConfigSection, LookupsLowerTheirKey) {
    CSectionList list;
    ParseConfigText(list, "[ISBN:X]\nDefaultSelected=yes\nUrl=a\nWidth=40%", "ISBN:");
    ASSERT_EQ(list.size(), 1u);
    const CConfigSection& section = list[0];
    EXPECT_EQ(section.GetString("URL", "none"), "a");
    EXPECT_EQ(section.GetString("url", "none"), "a");
    EXPECT_TRUE(section.GetBool("defaultSelected", false));
    EXPECT_DOUBLE_EQ(section.GetDouble("WIDTH", 0), 40);
    EXPECT_TRUE(section.HasValue("uRL"));
}

TEST(ConfigSection, EmptyAndAbsentValues) {
    CConfigSection section = WithValue("");
    EXPECT_EQ(section.GetString("v", "default"), "") << "an empty value is still a value";
    EXPECT_EQ(section.GetString("absent", "default"), "default");
    EXPECT_FALSE(section.HasValue("v"));
    EXPECT_FALSE(section.HasValue("absent"));
    EXPECT_TRUE(WithValue(" ").HasValue("v"));
    EXPECT_TRUE(section.GetBool("v", true));
    EXPECT_FALSE(section.GetBool("v", false));
    EXPECT_EQ(section.GetDouble("v", 7.5), 7.5);
    EXPECT_EQ(section.GetDouble("absent", -1), -1);
}

TEST(ConfigSection, GetBoolDecidesByTheFirstByte) {
    const char* const kTrue[] = {"Yes", "yes", "y", "Y", "1", "true", "T", "t", "10", "yonder"};
    const char* const kFalse[] = {"No", "no", "n", "N", "0", "false", "F", "f", "01", "nope"};
    const char* const kNeither[] = {"on", "x", " yes", "\tno", "2", "-1", "\xDFja"};
    for (const char* value : kTrue) {
        EXPECT_TRUE(WithValue(value).GetBool("v", false)) << value;
        EXPECT_TRUE(WithValue(value).GetBool("v", true)) << value;
    }
    for (const char* value : kFalse) {
        EXPECT_FALSE(WithValue(value).GetBool("v", false)) << value;
        EXPECT_FALSE(WithValue(value).GetBool("v", true)) << value;
    }
    for (const char* value : kNeither) {
        EXPECT_FALSE(WithValue(value).GetBool("v", false)) << value;
        EXPECT_TRUE(WithValue(value).GetBool("v", true)) << value;
    }
}

TEST(ConfigSection, GetDoubleReadsTheLeadingNumber) {
    constexpr double kDefault = -123.25;
    const double kInfinity = std::numeric_limits<double>::infinity();
    struct Case {
        const char* value;
        double expected;
    } cases[] = {
        {"50%", 50},
        {"3.6e6", 3600000},
        {"abc", kDefault},
        {"  -2.5", -2.5},
        {"\t+4", 4},
        {".5", 0.5},
        {"5.", 5},
        {"-.5E1", -5},
        {"1E-2x", 0.01},
        {"0.1", 0.1},
        {"0.001", 0.001},
        {"1e", 1},
        {"1e+", 1},
        {"100ergs", 100},
        {"1,5", 1},
        {"0x10", 0},
        {"007", 7},
        {".", kDefault},
        {"-", kDefault},
        {"+.e5", kDefault},
        {"e5", kDefault},
        {"- 5", kDefault},
        {"inf", kDefault},
        {"nan", kDefault},
        {"1e400", kInfinity},
        {"-1e400", -kInfinity},
        {"1e-400", 0},
        {"1e99999999999999999999999", kInfinity},
        {"0.00001e-99999999999999999999", 0},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithValue(c.value).GetDouble("v", kDefault), c.expected) << c.value;
}

TEST(ReadLeadingDecimal, IgnoresTheProcessLocale) {
    test::CommaLocaleScope locale;
    if (!locale.Name())
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(ReadLeadingDecimal("1.5"), 1.5) << locale.Name();
    EXPECT_EQ(ReadLeadingDecimal("1,5"), 1.0) << locale.Name();
}

} // namespace
} // namespace tandrel
