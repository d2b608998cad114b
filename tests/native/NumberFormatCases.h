// Numbers and the text FormatGeneral writes for them, shared by the native and the Windows
// tests so that both builds are held to the same text.
#pragma once

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace tandrel::test {

inline std::vector<std::pair<double, std::string>> NumberFormatCases() {
    const double inf = std::numeric_limits<double>::infinity();
    return {{0.00001, "1e-005"},
            {2.5e7, "2.5e+007"},
            {1234567, "1.23457e+006"},
            {1234.5678, "1234.57"},
            {99.9999999999999, "100"},
            {-40, "-40"},
            {0, "0"},
            {-0.0, "-0"},
            {0.0001, "0.0001"},
            {0.00012345678, "0.000123457"},
            {123456, "123456"},
            {999999.5, "1e+006"},
            {1e-300, "1e-300"},
            {1e100, "1e+100"},
            {3.10686, "3.10686"},
            // Exact binary ties round to even, as an exact "%g" does, on every platform.
            {1000.125, "1000.12"},
            {1000.375, "1000.38"},
            {inf, "inf"},
            {-inf, "-inf"},
            {std::nan(""), "nan"},
            {-std::nan(""), "nan"}};
}

} // namespace tandrel::test
