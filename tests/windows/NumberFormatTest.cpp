// Numbers written for people by the Windows build: the same text as the native build, under any
// user locale (the German one would write a decimal comma through the C library).
#include "NumberFormatCases.h"

#include "common/NumberFormat.h"

#include <gtest/gtest.h>

namespace tandrel::test {
namespace {

TEST(NumberFormat, WritesTheSameTextAsTheNativeBuild) {
    for (const auto& [value, expected] : NumberFormatCases())
        EXPECT_EQ(FormatGeneral(value), expected) << value;
}

} // namespace
} // namespace tandrel::test
