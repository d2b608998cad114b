// tandrel_numbers FILE...: prints what the core's number reading and writing give for every
// number in the files (the fuzz corpus) and for a few thousand made-up values and texts: random
// bit patterns, subnormals, texts exactly halfway between two floats or two doubles and just off
// halfway, huge exponents, exact ties of "%g". A native build and the WebAssembly build must
// print the same bytes (numbers_test.sh): the WebAssembly build reads and writes through another
// library than the native one. Values are printed by their bits, and the made-up inputs come
// from integer arithmetic alone, so nothing but the functions under test can differ.
#include "actions/OpenLinks.h"
#include "common/CharConv.h"
#include "common/DecimalNumber.h"
#include "common/MemoryPlatform.h"
#include "common/NumberFormat.h"
#include "common/TextConversion.h"
#include "conversions/UnitRecognition.h"
#include "conversions/Units.h"

#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tandrel {

namespace {

// ---- made-up inputs, the same on every platform

// splitmix64: a small generator whose sequence depends on nothing but its seed.
class Random {
public:
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    /// A number from 0 to bound - 1.
    std::uint64_t Below(std::uint64_t bound) { return Next() % bound; }

private:
    std::uint64_t state_ = 20261207;
};

template <typename To, typename From> To BitCast(From from) {
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

// The exact decimal text of mantissa times two to the exponent ("0.15625" for 5, -5), by
// multiplying out in base 1e9.
std::string ExactDecimal(std::uint64_t mantissa, int exponent) {
    constexpr std::uint64_t kBase = 1000000000;
    std::vector<std::uint64_t> limbs; // least significant first
    for (; mantissa > 0; mantissa /= kBase)
        limbs.push_back(mantissa % kBase);
    auto multiply = [&](std::uint64_t factor) {
        std::uint64_t carry = 0;
        for (std::uint64_t& limb : limbs) {
            std::uint64_t product = limb * factor + carry;
            limb = product % kBase;
            carry = product / kBase;
        }
        for (; carry > 0; carry /= kBase)
            limbs.push_back(carry % kBase);
    };
    int fraction = exponent < 0 ? -exponent : 0; // m * 2^-k = m * 5^k / 10^k
    for (; exponent > 0; exponent -= std::min(exponent, 29))
        multiply(std::uint64_t{1} << std::min(exponent, 29));
    for (int left = fraction; left > 0; left -= std::min(left, 13)) {
        std::uint64_t power = 1;
        for (int i = 0; i < std::min(left, 13); ++i)
            power *= 5;
        multiply(power);
    }
    std::string digits = limbs.empty() ? "0" : std::to_string(limbs.back());
    for (std::size_t i = limbs.size() - (limbs.empty() ? 0 : 1); i-- > 0;) {
        std::string limb = std::to_string(limbs[i]);
        digits += std::string(9 - limb.size(), '0') + limb;
    }
    if (fraction == 0)
        return digits;
    if (digits.size() <= static_cast<std::size_t>(fraction))
        digits.insert(0, fraction + 1 - digits.size(), '0');
    digits.insert(digits.size() - fraction, ".");
    return digits;
}

// The exact text of a finite, non-negative double or of the point halfway to the next one.
std::string ExactText(double value, bool halfwayUp = false) {
    std::uint64_t bits = BitCast<std::uint64_t>(value);
    int biased = static_cast<int>(bits >> 52);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased > 0)
        mantissa |= std::uint64_t{1} << 52;
    int exponent = (biased > 0 ? biased : 1) - 1075;
    if (halfwayUp)
        return ExactDecimal(2 * mantissa + 1, exponent - 1);
    return ExactDecimal(mantissa, exponent);
}

// A text a little below a decimal one that has no exponent: its last digit less one, the borrow
// carried, then a long run of nines.
std::string JustBelow(std::string text) {
    std::size_t at = text.size();
    while (at-- > 0) {
        if (text[at] == '.')
            continue;
        if (text[at] != '0') {
            --text[at];
            break;
        }
        text[at] = '9';
    }
    return text + (text.find('.') == std::string::npos ? "." : "") + "99999999999999999999999";
}

// A text a little above a decimal one that has no exponent.
std::string JustAbove(const std::string& text) {
    return text + (text.find('.') == std::string::npos ? "." : "") + "00000000000000000000001";
}

// ---- what is printed

std::string Hex(std::uint64_t bits, int width) {
    char text[24];
    std::snprintf(text, sizeof text, "%0*" PRIx64, width, bits);
    return text;
}

std::string Bits(double value) {
    return Hex(BitCast<std::uint64_t>(value), 16);
}

std::string Bits(float value) {
    return Hex(BitCast<std::uint32_t>(value), 8);
}

const char* Outcome(std::errc ec) {
    return ec == std::errc() ? "ok" : ec == std::errc::result_out_of_range ? "range" : "invalid";
}

// At most the first 48 bytes of an input, to name it in the output.
std::string Shown(std::string_view text) {
    std::string shown(text.substr(0, 48));
    for (char& c : shown)
        c = static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    return text.size() > 48 ? shown + "...(" + std::to_string(text.size()) + ")" : shown;
}

// How the core reads a text that may start with a number: the leading number as a double, the
// number's own text read as a double and as a float, the dimension it gives a window, and each
// value written back. Gives the leading number.
std::optional<double> ReportText(std::ostream& out, std::string_view text) {
    out << "read " << Shown(text) << ":";
    std::optional<LeadingDecimal> scanned = ScanLeadingDecimal(text);
    if (!scanned) {
        out << " none\n";
        return std::nullopt;
    }
    std::string_view number = text.substr(0, scanned->end);
    number.remove_prefix(std::min(number.find_first_not_of(" \t\n\v\f\r+-"), number.size()));
    double asDouble = -1;
    float asFloat = -1;
    std::errc readDouble = ReadDecimal(number, asDouble);
    std::errc readFloat = ReadDecimal(number, asFloat);
    out << " scan " << Bits(scanned->value) << "@" << scanned->end << " "
        << FormatGeneral(scanned->value) << " double " << Outcome(readDouble) << " "
        << Bits(asDouble) << " " << FormatGeneral(asDouble) << " float " << Outcome(readFloat)
        << " " << Bits(asFloat) << " " << FormatGeneral(asFloat);
    std::string value(text.substr(0, scanned->end));
    for (const std::string& dimension : {value, value + "%"}) {
        for (std::int32_t total : {1024, std::numeric_limits<std::int32_t>::max()})
            out << " " << WideToUtf8(FeatureDimension(u"", dimension, total));
    }
    out << "\n";
    return scanned->value;
}

// How the core writes a value: as the dialogs show it, and at several precisions.
void ReportValue(std::ostream& out, double value) {
    out << "write " << Bits(value) << ": " << FormatGeneral(value);
    for (int precision : {1, 2, 3, 5, 6, 7, 9, 12, 15, 16, 17})
        out << " " << WriteGeneral(value, precision);
    out << "\n";
}

// ---- the corpus

std::string ReadFile(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool StartsNumber(std::string_view text, std::size_t at) {
    auto numeric = [](char c) {
        return (c >= '0' && c <= '9') || c == '.';
    };
    if (!numeric(text[at]) && text[at] != '+' && text[at] != '-')
        return false;
    return at == 0 || !(numeric(text[at - 1]) || text[at - 1] == '+' || text[at - 1] == '-');
}

// The answer of the Convert command from the first unit of a category to each of its units.
void ReportConversions(std::ostream& out, double amount, const CUnitCategory& category) {
    const CUnit& from = category.Units().front();
    out << "convert " << Bits(amount) << " " << from.GetName();
    for (const CUnit& to : category.Units())
        out << " | " << ConversionResult(amount, from, to);
    out << "\n";
}

// Every number of a file, and every line and field of it as a selection to convert; adds the
// numbers to amounts.
void ReportFile(std::ostream& out, const char* path, const CUnitTable& units,
                std::set<double>& amounts) {
    std::string text = ReadFile(path);
    out << "file " << path << " " << text.size() << "\n";
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (!StartsNumber(text, at))
            continue;
        if (std::optional<double> value = ReportText(out, std::string_view(text).substr(at)))
            amounts.insert(*value);
    }
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end =
            std::min(text.find_first_of(std::string_view("\n\0", 2), start), text.size());
        std::u16string selection = Utf8ToWide(std::string_view(text).substr(start, end - start));
        start = end + 1;
        RecognizedAmount recognized = RecognizeAmountAndUnit(selection, units);
        std::optional<double> amount = ReadAmount(WideToUtf8(recognized.amount));
        if (!recognized.unit || !amount)
            continue;
        out << "convert " << WideToUtf8(recognized.amount) << " " << recognized.unit->GetName();
        for (const CUnit& to : recognized.unit->GetCategory().Units())
            out << " | " << ConversionResult(*amount, *recognized.unit, to);
        out << "\n";
    }
}

// ---- the made-up values

void ReportEdges(std::ostream& out) {
    const char* const texts[] = {"0",
                                 "0.0",
                                 "-0",
                                 ".5",
                                 "5.",
                                 "00000.00000e-99999",
                                 "0e99999999999999999999",
                                 "1e400",
                                 "-1e400",
                                 "1e-400",
                                 "1e99999999999999999999",
                                 "1e-99999999999999999999",
                                 "2.4703282292062327e-324",
                                 "2.4703282292062328e-324",
                                 "4.9406564584124654e-324",
                                 "2.2250738585072011e-308",
                                 "2.2250738585072014e-308",
                                 "1.7976931348623157e308",
                                 "1.7976931348623158e308",
                                 "1.7976931348623159e308",
                                 "3.4028234663852886e38",
                                 "3.4028235e38",
                                 "3.40282356779733661637539395458142568447e38",
                                 "3.40282356779733661637539395458142568448e38",
                                 "1.4e-45",
                                 "7.006492321624085e-46",
                                 "7.006492321624086e-46",
                                 "1.17549435e-38",
                                 "16777217",
                                 "16777217.0000000001",
                                 "-16777217.0000000001",
                                 "9007199254740993",
                                 "9007199254740993.0000000001",
                                 "0.1",
                                 "0.30000000000000004",
                                 "123456789012345678901234567890",
                                 "1E5",
                                 "1e+5",
                                 "1e-5",
                                 "50%",
                                 "-40%",
                                 "100em",
                                 "1e",
                                 "1e+",
                                 "+.",
                                 "-",
                                 "e5",
                                 " \t12.5e1x",
                                 "999999.5",
                                 "9.999995",
                                 "0.000099999995",
                                 "1000.125",
                                 "1000.375"};
    for (const char* text : texts)
        ReportText(out, text);
    // Hundreds of digits on either side of the point, the exponent pulling them back.
    std::string ones(800, '1');
    for (const std::string& text :
         {ones, "0." + ones, ones + "e-790", "0." + ones + "e330",
          "1" + std::string(400, '0') + "1e-400", "0." + std::string(400, '0') + "1e400"})
        ReportText(out, text);

    const double values[] = {0.0,
                             -0.0,
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<float>::max(),
                             std::numeric_limits<float>::min(),
                             std::numeric_limits<float>::denorm_min(),
                             999999.5,
                             9999995,
                             0.5,
                             1.5,
                             2.5,
                             0.125,
                             1e-5,
                             1e21,
                             1e22,
                             1e23,
                             5e-324,
                             1.0 / 3};
    for (double value : values)
        ReportValue(out, value);
}

void ReportRandom(std::ostream& out) {
    Random random;
    // Any double at all: every exponent, subnormals, infinities, NaNs; each finite one also read
    // back from its exact text.
    for (int i = 0; i < 2000; ++i) {
        double value = BitCast<double>(random.Next());
        ReportValue(out, value);
        if (std::isfinite(value))
            ReportText(out, ExactText(std::fabs(value)));
    }
    // Texts halfway between two floats, and just below and above: a float read through a double
    // goes wrong on these. A quarter of them subnormal; the last one past the largest float.
    for (int i = 0; i < 1000; ++i) {
        std::uint32_t bits = static_cast<std::uint32_t>(random.Below(0x7f800000));
        if (i % 4 == 0)
            bits = static_cast<std::uint32_t>(random.Below(0x800000));
        if (i == 999)
            bits = 0x7f7fffff;
        double low = BitCast<float>(bits);
        double high = bits + 1 == 0x7f800000 ? std::ldexp(1.0, 128) : BitCast<float>(bits + 1);
        std::string halfway = ExactText((low + high) / 2); // exact: 25 bits
        for (const std::string& text : {halfway, JustBelow(halfway), JustAbove(halfway)})
            ReportText(out, text);
    }
    // The same between two doubles.
    for (int i = 0; i < 1000; ++i) {
        std::uint64_t bits = random.Below(0x7ff0000000000000ull);
        if (i % 4 == 0)
            bits = random.Below(0x10000000000000ull);
        if (i == 999)
            bits = 0x7fefffffffffffffull;
        std::string halfway = ExactText(BitCast<double>(bits), true);
        for (const std::string& text : {halfway, JustBelow(halfway), JustAbove(halfway)})
            ReportText(out, text);
    }
    // Exact ties of "%g": a whole number and a fraction of a power of two, the tie falling on the
    // digit after the sixth (and other precisions); and odd numbers over a power of two.
    for (int i = 0; i < 1000; ++i) {
        int halvings = 1 + static_cast<int>(random.Below(4));
        std::uint64_t digits = 7 - halvings;
        std::uint64_t low = 1;
        for (std::uint64_t d = 1; d < digits; ++d)
            low *= 10;
        double whole = static_cast<double>(low + random.Below(9 * low));
        ReportValue(out, whole + std::ldexp(1.0, -halvings));
        double odd = static_cast<double>(2 * random.Below(std::uint64_t{1} << 40) + 1);
        ReportValue(out, std::ldexp(odd, -1 - static_cast<int>(random.Below(60))));
    }
    // Decimal texts of every shape: up to 30 digits, the point anywhere, exponents to the
    // double's limits and past them, leading zeros.
    for (int i = 0; i < 2000; ++i) {
        std::string text(random.Below(3), '0');
        std::uint64_t count = 1 + random.Below(30);
        for (std::uint64_t d = 0; d < count; ++d)
            text += static_cast<char>('0' + random.Below(10));
        if (random.Below(2))
            text.insert(random.Below(text.size() + 1), ".");
        if (random.Below(3)) {
            long long exponent = static_cast<long long>(random.Below(700)) - 350;
            text += (random.Below(2) ? "e" : "E") + std::to_string(exponent);
        }
        ReportText(out, text);
    }
}

} // namespace

} // namespace tandrel

int main(int argc, char** argv) {
    using namespace tandrel;
    CMemoryPlatform platform;
    ScopedPlatform installed(platform.View());
    CUnitTable units = LoadUnitTable();
    std::set<double> amounts;
    for (int i = 1; i < argc; ++i)
        ReportFile(std::cout, argv[i], units, amounts);
    // Each number of the files converted in a category with scales, one with offsets and one
    // whose units are inverted.
    for (const char* category : {"distance", "temperature", "fuel consumption"}) {
        for (double amount : amounts)
            ReportConversions(std::cout, amount, units.Categories().at(category));
    }
    ReportEdges(std::cout);
    ReportRandom(std::cout);
    std::cout.flush();
    return std::cout ? 0 : 1;
}
