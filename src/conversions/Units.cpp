#include "conversions/Units.h"

#include "common/CharClass.h"
#include "common/Messages.h"
#include "common/TextConversion.h"
#include "config/ConfigLoader.h"
#include "config/ConfigSection.h"
#include "resources/StringIds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace tandrel {

namespace {

constexpr int kLowestPower = -18;
constexpr int kHighestPower = 18;

[[noreturn]] void ThrowDivisionByZero() {
    throw std::range_error(LoadText(ids::kDivisionByZero));
}

bool IsZeroOrNan(double value) {
    return value == 0.0 || std::isnan(value);
}

// How far a sum may stray from zero by rounding alone, in units of rounding (epsilon) of the sizes
// of its terms added up: the product or quotient, the two sums and the reading of each figure into
// binary put in at most one unit each, and the stored Farenheit figures, 5/9 and 160/9 cut to 15
// and 16 digits, some five more. Sixteen leaves room beyond that and is still ten orders of
// magnitude below the six digits a result is shown with.
constexpr double kRoundingUnits = 16.0;

// Whether a sum of terms whose sizes add up to terms is zero but for their rounding.
bool IsRoundingNoise(double sum, double terms) {
    return std::isfinite(terms) &&
           std::abs(sum) <= kRoundingUnits * std::numeric_limits<double>::epsilon() * terms;
}

bool IsBlankOnly(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// "ten-18" ... "ten+18": the sign is always written, zero as "ten+0".
const std::array<std::string, kHighestPower - kLowestPower + 1>& PowerKeys() {
    static const auto keys = [] {
        std::array<std::string, kHighestPower - kLowestPower + 1> made;
        for (int power = kLowestPower; power <= kHighestPower; ++power) {
            made[static_cast<std::size_t>(power - kLowestPower)] =
                std::string("ten") + (power < 0 ? "-" : "+") + std::to_string(std::abs(power));
        }
        return made;
    }();
    return keys;
}

// a scaled by ten to the power, with the power of ten built by repeated multiplication and
// divided by for negative powers: "ten-3" is a ÷ 1000, which differs from a × 0.001 in the last
// bit for some a.
double ScaledByPowerOfTen(double a, int power) {
    double ten = 1.0;
    for (int i = 0; i < std::abs(power); ++i)
        ten *= 10.0;
    if (power > 0)
        return a * ten;
    if (power < 0)
        return a / ten;
    return a;
}

// The first element of [lo, hi) for which below() is false, below() being true for a start of
// the range and false after. Either end is tried first, then doubling steps from lo and halving,
// so that it costs the logarithm of the distance from lo rather than of the range: where aliases
// part, most of them usually go on with the text and a few leave it at either end.
template <typename Iterator, typename Below>
Iterator PartitionPointFrom(Iterator lo, Iterator hi, Below below) {
    if (lo == hi || !below(*lo))
        return lo;
    if (below(*(hi - 1)))
        return hi;
    const std::ptrdiff_t size = hi - lo;
    std::ptrdiff_t bound = 1;
    while (bound < size && below(lo[bound - 1]))
        bound *= 2;
    return std::partition_point(lo + bound / 2, lo + std::min(bound, size), below);
}

} // namespace

double CUnit::ToReference(double value) const {
    if (!invert_)
        return value * scale_ + offset_;
    if (IsZeroOrNan(value))
        ThrowDivisionByZero();
    return scale_ / value + offset_;
}

double CUnit::FromReference(double reference) const {
    if (!invert_) {
        if (IsZeroOrNan(scale_))
            ThrowDivisionByZero();
        return (reference - offset_) / scale_;
    }
    double divisor = reference - offset_;
    if (IsZeroOrNan(divisor))
        ThrowDivisionByZero();
    return scale_ / divisor;
}

double ConvertUnits(double value, const CUnit& from, const CUnit& to) {
    double reference = from.ToReference(value);
    // ToReference has refused a zero or NaN value of an inverted unit.
    double term = from.GetInvert() ? from.GetScale() / value : value * from.GetScale();
    double terms = std::abs(term) + std::abs(from.GetOffset()) + std::abs(to.GetOffset());
    if (!IsRoundingNoise(reference - to.GetOffset(), terms))
        return to.FromReference(reference);
    // The difference FromReference divides (or divides by) is zero.
    if (to.GetInvert() || IsZeroOrNan(to.GetScale()))
        ThrowDivisionByZero();
    return 0.0;
}

void CUnitTable::Load(const CSectionList& sections) {
    categories_.clear();
    aliases_.clear();
    aliasBytes_.clear();
    sortedAliases_.clear();
    longestAlias_ = 0;
    for (const CConfigSection& section : sections) {
        if (!section.HasValue("category"))
            continue;
        std::string name = AsciiLower(section.GetString("category", ""));
        CUnitCategory& category = categories_.try_emplace(name, name).first->second;
        double a = section.GetDouble("a", 1.0);
        double b = section.GetDouble("b", 0.0);
        bool invert = section.GetBool("invert", false);
        for (int power = kLowestPower; power <= kHighestPower; ++power) {
            const std::string& key = PowerKeys()[static_cast<std::size_t>(power - kLowestPower)];
            if (section.HasValue(key))
                AddLine(category, section.GetString(key, ""), ScaledByPowerOfTen(a, power), b,
                        invert);
        }
    }
    std::size_t bytes = 0;
    for (const auto& [alias, unit] : aliases_)
        bytes += alias.size();
    aliasBytes_.reserve(bytes);
    for (const auto& [alias, unit] : aliases_)
        aliasBytes_.insert(aliasBytes_.end(), alias.begin(), alias.end());
    sortedAliases_.reserve(aliases_.size());
    const char* next = aliasBytes_.data();
    for (const auto& [alias, unit] : aliases_) {
        sortedAliases_.emplace_back(std::string_view(next, alias.size()), unit);
        next += alias.size();
    }
}

void CUnitTable::AddLine(CUnitCategory& category, std::string_view line, double scale,
                         double offset, bool invert) {
    std::size_t comma = line.find(',');
    std::string_view first = line.substr(0, comma);
    if (IsBlankOnly(first))
        return;
    const CUnit& unit =
        category.units_.emplace_back(std::string(first), category, scale, offset, invert);
    AddAlias(first, &unit);
    // A comma that ends the line starts no further alias.
    while (comma != std::string_view::npos && comma + 1 < line.size()) {
        std::size_t start = comma + 1;
        comma = line.find(',', start);
        std::string_view alias = line.substr(start, comma - start);
        if (!IsBlankOnly(alias))
            AddAlias(alias, &unit);
    }
}

void CUnitTable::AddAlias(std::string_view alias, const CUnit* unit) {
    // An equal key goes after the equal keys already there, so the first added stays first.
    aliases_.emplace(std::string(alias), unit);
    longestAlias_ = std::max(longestAlias_, alias.size());
}

CUnitTable::Match CUnitTable::LongestAliasAtStart(std::string_view text, bool lowerText) const {
    // The aliases that start with the text's first `length` bytes are one block of the index,
    // those equal to them first (a start sorts before its extensions; of equal aliases the first
    // added comes first). Every alias of the block shares the bytes its first and last aliases
    // share, so where those also agree with the text the walk moves on at once; where they part,
    // one binary search on that byte alone narrows the block. Once it is empty no longer start of
    // the text can be an alias. So the walk costs the longest alias it follows plus, for each
    // byte at which aliases part, the logarithm of their number, however long the text behind
    // the amount is and however alike the aliases are.
    using Alias = std::pair<std::string_view, const CUnit*>;
    auto byteOfText = [text, lowerText](std::size_t at) {
        return lowerText ? ToAsciiLower(text[at]) : text[at];
    };
    Match longest;
    auto lo = sortedAliases_.begin();
    auto hi = sortedAliases_.end();
    std::size_t length = 0;
    while (lo != hi) {
        if (lo->first.size() == length) {
            if (length > 0)
                longest = {length, lo->second};
            lo = PartitionPointFrom(
                lo, hi, [length](const Alias& alias) { return alias.first.size() == length; });
            if (lo == hi)
                break;
        }
        if (length == text.size())
            break;
        std::string_view first = lo->first;
        std::string_view last = (hi - 1)->first;
        std::size_t common = length;
        std::size_t bound = std::min({first.size(), last.size(), text.size()});
        while (common < bound && first[common] == last[common] &&
               first[common] == byteOfText(common))
            ++common;
        if (common > length) {
            length = common;
            continue;
        }
        // Bytes compare as unsigned, as the index orders its keys.
        auto byteAt = [length](const Alias& alias) {
            return static_cast<unsigned char>(alias.first[length]);
        };
        const unsigned char byte = static_cast<unsigned char>(byteOfText(length));
        lo = PartitionPointFrom(lo, hi, [&](const Alias& alias) { return byteAt(alias) < byte; });
        hi = PartitionPointFrom(lo, hi, [&](const Alias& alias) { return byteAt(alias) == byte; });
        ++length;
    }
    return longest;
}

const CUnit* CUnitTable::FindUnit(std::string_view text) const {
    // The longest start of the text that is an alias as written or lowered; at equal lengths the
    // alias as written wins.
    // Lowering changes nothing in a start without capitals; no alias is longer than longestAlias_.
    std::string_view start = text.substr(0, std::min(text.size(), longestAlias_));
    Match asWritten = LongestAliasAtStart(text, false);
    Match asLowered =
        std::any_of(start.begin(), start.end(), [](char c) { return IsAsciiUpper(c); })
            ? LongestAliasAtStart(start, true)
            : Match{};
    return asWritten.length >= asLowered.length ? asWritten.unit : asLowered.unit;
}

CUnitTable LoadUnitTable() {
    CUnitTable table;
    table.Load(LoadParsedPrefix("UNIT:", false)->Sections());
    return table;
}

} // namespace tandrel
