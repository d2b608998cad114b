// The floating-point conversions every build reads and writes numbers through: the standard
// library's natively, the C library fallback in the WebAssembly build. Both are held to the same
// cases here; tests/numbers compares the two builds over many more.
#include "common/CharConv.h"
#include "CommaLocale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace tandrel {
namespace {

std::uint64_t BitsOf(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::uint32_t BitsOf(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// What a read leaves in a value it does not set.
constexpr double kUnset = -7;
constexpr float kFloatUnset = static_cast<float>(kUnset);

// The outcomes of a read by name, so that a failure says which.
constexpr const char* kRead = "ok";
constexpr const char* kRange = "out of range";
constexpr const char* kInvalid = "invalid";

std::string Outcome(std::errc read) {
    if (read == std::errc())
        return kRead;
    if (read == std::errc::result_out_of_range)
        return kRange;
    if (read == std::errc::invalid_argument)
        return kInvalid;
    return "error " + std::to_string(static_cast<int>(read));
}

struct ReadCase {
    const char* text;
    const char* doubleOutcome;
    double asDouble;
    const char* floatOutcome;
    float asFloat;
};

TEST(ReadDecimal, RoundsOnceToEachTypeAndReportsWhatItCannotHold) {
    const ReadCase cases[] = {
        {"0", kRead, 0, kRead, 0},
        {"1.5", kRead, 1.5, kRead, 1.5f},
        {".5", kRead, 0.5, kRead, 0.5f},
        {"5.", kRead, 5, kRead, 5},
        {"2E+3", kRead, 2000, kRead, 2000},
        {"0e999999999999999999", kRead, 0, kRead, 0},
        // Halfway between two floats a tie goes to the even one, and a hair off halfway goes the
        // hair's way, although the double nearest to the text is the halfway point itself.
        {"16777217", kRead, 16777217, kRead, 16777216},
        {"16777217.0000000001", kRead, 16777217, kRead, 16777218},
        {"16777218.9999999999", kRead, 16777219, kRead, 16777218},
        {"16777219", kRead, 16777219, kRead, 16777220},
        // The same between two doubles.
        {"9007199254740993", kRead, 9007199254740992, kRead, 9007199254740992.0f},
        {"9007199254740993.000000000000000000001", kRead, 9007199254740994, kRead,
         9007199254740992.0f},
        // Subnormals are in range; what rounds to zero or past the largest value is not.
        {"4.9406564584124654e-324", kRead, 4.9406564584124654e-324, kRange, kFloatUnset},
        {"2.4703282292062328e-324", kRead, 4.9406564584124654e-324, kRange, kFloatUnset},
        {"1.4e-45", kRead, 1.4e-45, kRead, std::numeric_limits<float>::denorm_min()},
        {"1e400", kRange, kUnset, kRange, kFloatUnset},
        {"1e-400", kRange, kUnset, kRange, kFloatUnset},
        {"1.7976931348623158e308", kRead, std::numeric_limits<double>::max(), kRange, kFloatUnset},
        {"1.7976931348623159e308", kRange, kUnset, kRange, kFloatUnset},
        {"3.40282356779733661637539395458142568447e38", kRead,
         3.40282356779733661637539395458142568447e38, kRead, std::numeric_limits<float>::max()},
        {"3.40282356779733661637539395458142568448e38", kRead,
         3.40282356779733661637539395458142568448e38, kRange, kFloatUnset},
        // Only the whole text is a number.
        {"", kInvalid, kUnset, kInvalid, kFloatUnset},
        {"-1", kInvalid, kUnset, kInvalid, kFloatUnset},
        {" 1", kInvalid, kUnset, kInvalid, kFloatUnset},
        {"1e", kInvalid, kUnset, kInvalid, kFloatUnset},
        {"1,5", kInvalid, kUnset, kInvalid, kFloatUnset},
        {"inf", kInvalid, kUnset, kInvalid, kFloatUnset},
        {"0x10", kInvalid, kUnset, kInvalid, kFloatUnset},
    };
    for (const ReadCase& c : cases) {
        double asDouble = kUnset;
        float asFloat = kFloatUnset;
        EXPECT_EQ(Outcome(ReadDecimal(c.text, asDouble)), c.doubleOutcome) << c.text;
        EXPECT_EQ(BitsOf(asDouble), BitsOf(c.asDouble)) << c.text;
        EXPECT_EQ(Outcome(ReadDecimal(c.text, asFloat)), c.floatOutcome) << c.text;
        EXPECT_EQ(BitsOf(asFloat), BitsOf(c.asFloat)) << c.text;
    }
}

TEST(WriteGeneral, WritesPercentGOfTheExactValue) {
    const struct {
        double value;
        int precision;
        const char* expected;
    } cases[] = {
        {0.1, 17, "0.10000000000000001"},
        {0.5, 1, "0.5"},
        {2.5, 1, "2"}, // exact ties go to the even digit
        {3.5, 1, "4"},
        {1000.125, 6, "1000.12"},
        {1234565, 6, "1.23456e+06"},
        {1234575, 6, "1.23458e+06"},
        {999999.5, 6, "1e+06"},
        {0.0001, 6, "0.0001"},
        {0.00001, 6, "1e-05"},
        {123456, 6, "123456"},
        {1e21, 17, "1e+21"},
        {5e-324, 6, "4.94066e-324"},
        {std::numeric_limits<double>::max(), 17, "1.7976931348623157e+308"},
        {-0.0, 6, "-0"},
        {-std::numeric_limits<double>::infinity(), 6, "-inf"},
        {1.0 / 3, 40, "0.33333333333333331"}, // at most 17 digits
        {1.0 / 3, 0, "0.3"},                  // at least one
    };
    for (const auto& c : cases)
        EXPECT_EQ(WriteGeneral(c.value, c.precision), c.expected) << c.value << " " << c.precision;
}

// The C library reads and writes the locale's decimal point; these never do.
TEST(CharConv, IgnoresTheProcessLocale) {
    test::CommaLocaleScope locale;
    if (!locale.Name())
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    double asDouble = kUnset;
    float asFloat = kFloatUnset;
    EXPECT_EQ(Outcome(ReadDecimal("1.25", asDouble)), kRead) << locale.Name();
    EXPECT_EQ(Outcome(ReadDecimal("1.25", asFloat)), kRead) << locale.Name();
    EXPECT_EQ(Outcome(ReadDecimal("1,25", asDouble)), kInvalid) << locale.Name();
    EXPECT_EQ(asDouble, 1.25) << locale.Name();
    EXPECT_EQ(asFloat, 1.25f) << locale.Name();
    EXPECT_EQ(WriteGeneral(1.25, 6), "1.25") << locale.Name();
    EXPECT_EQ(WriteGeneral(-1.5e-7, 6), "-1.5e-07") << locale.Name();
}

} // namespace
} // namespace tandrel
