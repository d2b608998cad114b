// The units table, unit recognition in a selection, conversions and the number format.
#include "NumberFormatCases.h"
#include "TestPlatform.h"

#include "common/NumberFormat.h"
#include "config/ConfigSection.h"
#include "conversions/UnitRecognition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace tandrel {
namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

CSectionList Sections(const std::vector<Values>& sections) {
    CSectionList list;
    for (const Values& values : sections) {
        CConfigSection& section = list.Append("UNIT:X");
        for (const auto& [key, value] : values)
            section.SetValue(key, value);
    }
    return list;
}

std::string NameOf(const CUnit* unit) {
    return unit ? unit->GetName() : "none";
}

const CUnit& Unit(const CUnitTable& table, std::string_view alias) {
    const CUnit* unit = table.FindUnit(alias);
    if (!unit)
        throw std::logic_error("no unit " + std::string(alias));
    return *unit;
}

TEST(NumberFormat, WritesPercentGWithThreeExponentDigits) {
    for (const auto& [value, expected] : test::NumberFormatCases())
        EXPECT_EQ(FormatGeneral(value), expected) << value;
}

TEST(UnitTable, ReadsSectionsAndLinesByTheirRules) {
    test::MemoryPlatformScope scope;
    CUnitTable table;
    table.Load(Sections({
        // ten+0 sorts before ten-3 by key, but lines are read by ascending power.
        {{"category", "Distance"}, {"a", "1.3"}, {"ten+0", "metres, m"}, {"ten-3", "mm1"}},
        {{"category", " distance"}, {"a", "abc"}, {"invert", "maybe"}, {"ten+3", "km,"}},
        {{"category", "distance"}, {"a", ""}, {"ten+0", ",metres,m"}, {"ten+2", "hm,, \t,x,"}},
        {{"category", "distance"},
         {"b", "4"},
         {"invert", "y"},
         {"ten+18", "big"},
         {"ten+19", "huge"},
         {"ten+03", "odd"},
         {"ten-18", "small,m"}},
        {{"a", "5"}, {"ten+0", "uncategorised"}},
    }));
    ASSERT_EQ(table.Categories().size(), 2u);
    std::vector<std::string> names;
    for (const CUnit& unit : table.Categories().at("distance").Units())
        names.push_back(unit.GetName());
    EXPECT_EQ(names, (std::vector<std::string>{"mm1", "metres", "hm", "small", "big"}));
    EXPECT_EQ(table.Categories().at(" distance").Units().size(), 1u);

    const std::pair<std::string_view, std::string> found[] = {
        {" m", "metres"}, {"m", "small"},  {"km", "km"},
        {"x", "hm"},      {",", "none"},   {"", "none"},
        {"huge", "none"}, {"odd", "none"}, {"uncategorised", "none"}};
    for (const auto& [alias, expected] : found)
        EXPECT_EQ(NameOf(table.FindUnit(alias)), expected) << alias;
    // "km," has one alias; the blank-only pieces are not indexed.
    EXPECT_EQ(table.Aliases().count("km"), 1u);
    EXPECT_EQ(table.Aliases().count(" \t"), 0u);
    EXPECT_EQ(table.Aliases().count("m"), 1u);

    const CUnit& mm = Unit(table, "mm1");
    EXPECT_EQ(mm.GetScale(), 1.3 / 1000); // divided: 1.3 * 0.001 is one bit off
    EXPECT_FALSE(mm.GetInvert());
    EXPECT_EQ(Unit(table, "km").GetScale(), 1000.0);
    EXPECT_FALSE(Unit(table, "km").GetInvert());
    EXPECT_EQ(Unit(table, "hm").GetScale(), 100.0);
    const CUnit& big = Unit(table, "big");
    EXPECT_EQ(big.GetScale(), 1e18);
    EXPECT_EQ(big.GetOffset(), 4.0);
    EXPECT_TRUE(big.GetInvert());
}

TEST(UnitTable, FindsTheLongestAliasAsWrittenThenLowered) {
    test::MemoryPlatformScope scope;
    CUnitTable defaults = LoadUnitTable();
    CUnitTable table;
    table.Load(Sections({{{"category", "c"},
                          {"ten+0", "Exact,k"},
                          {"ten+1", "Lower,km"},
                          {"ten+2", "Upper,KM"},
                          {"ten+3", "Second,k"}}}));
    const std::pair<std::string, std::string> cases[] = {
        {"m.", "metres"},
        {"m", "metres"},
        {"", "none"},
        {"km/h and more", "km/h"},
        {"Km", "kilometres"},
        {"KM", "kilometres"},
        {"mile(s) away", "miles"},
        {"celsius", "none"},
        {"km" + std::string(5000, 'x'), "kilometres"},
        {std::string(5000, 'k'), "none"}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(NameOf(defaults.FindUnit(text)), expected) << text.substr(0, 20);
    const std::pair<std::string, std::string> own[] = {
        {"KM", "Upper"}, {"Km", "Lower"}, {"KX", "Exact"}, {"k", "Exact"}, {"kM", "Lower"}};
    for (const auto& [text, expected] : own)
        EXPECT_EQ(NameOf(table.FindUnit(text)), expected) << text;
}

// Aliases that share long starts and part late, one the start of others, bytes above 0x7F
// (which sort after ASCII): the lookup narrows the index byte by byte and jumps over shared runs.
TEST(UnitTable, FindsTheLongestOfNearAliases) {
    test::MemoryPlatformScope scope;
    CUnitTable loaded;
    loaded.Load(Sections({{{"category", "c"},
                           {"ten+0", "nautical"},
                           {"ten+1", "nautical mile,nautical mile,nm"},
                           {"ten+2", "nautical miles"},
                           {"ten+3", "nautical league"},
                           {"ten+4", "naut\xE9"},
                           {"ten+5", "naut\x7F"},
                           {"ten+6", "late,nautical mile"}}}));
    const CUnitTable table = std::move(loaded); // the index's views survive a move
    const std::pair<std::string, std::string> cases[] = {
        {"nautical miles away", "nautical miles"},
        {"nautical mile", "nautical mile"}, // the first of equal aliases
        {"nautical mil", "nautical"},
        {"nautical leagues", "nautical league"},
        {"NAUTICAL MILE", "nautical mile"},
        {"naut\xE9x", "naut\xE9"},
        {"naut\x7F", "naut\x7F"},
        {"naut\x80", "none"},
        {"nautica", "none"},
        {"nm" + std::string(100000, 'm'), "nautical mile"}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(NameOf(table.FindUnit(text)), expected) << text.substr(0, 20);
}

TEST(Units, ConvertAndRefuseZeroDivisors) {
    test::MemoryPlatformScope scope;
    CUnitTable table = LoadUnitTable();
    const CUnit& km = Unit(table, "km");
    const CUnit& miles = Unit(table, "miles");
    const CUnit& mpg = Unit(table, "miles per gallon (UK)");
    const CUnit& litres = Unit(table, "litres/100Km");
    EXPECT_EQ(ConversionResult(5, km, miles), "5 kilometres = 3.10686 miles");
    EXPECT_EQ(ConversionResult(30, mpg, litres), "30 miles per gallon (UK) = 9.41603 litres/100Km");
    EXPECT_EQ(ConversionResult(0, mpg, litres), "Cannot calculate answer (Division by zero)");
    EXPECT_EQ(ConversionResult(0, litres, mpg), "Cannot calculate answer (Division by zero)");
    EXPECT_THROW(mpg.ToReference(std::nan("")), std::range_error);

    CUnitTable zero;
    zero.Load(Sections({{{"category", "c"}, {"a", "0"}, {"b", "7"}, {"ten+0", "null"}},
                        {{"category", "c"}, {"ten+0", "one"}}}));
    EXPECT_THROW(ConvertUnits(1, Unit(zero, "one"), Unit(zero, "null")), std::range_error);
    EXPECT_EQ(ConvertUnits(123, Unit(zero, "null"), Unit(zero, "one")), 7.0);
}

TEST(UnitRecognition, FindsAmountAndUnit) {
    test::MemoryPlatformScope scope;
    CUnitTable table = LoadUnitTable();
    const std::tuple<std::u16string, std::u16string, std::string> cases[] = {
        {u"about 5 km from here", u"5", "kilometres"},
        {u"5km", u"5", "kilometres"},
        {u"12 (miles)", u"12", "miles"},
        {u"12 (miles", u"12", "miles"},
        {u"12 (m) km", u"12", "metres"},
        // The text inside the brackets is taken as it stands: a blank after "(" hides the unit,
        // one before ")" follows the longest alias.
        {u"12 ( miles)", u"12", "none"},
        {u"12 (\tkm)", u"12", "none"},
        {u"12 (miles )", u"12", "miles"},
        {u"5\u00A0km", u"5", "none"},
        {u"-40 F", u"-40", "Farenheit"},
        {u"x-.5 m", u"-0.5", "metres"},
        {u".5 m", u"0.5", "metres"},
        {u"1,234 km", u"1", "none"},
        {u"5.5.5 m", u"5.5", "none"},
        {u"1234.5678 km", u"1234.57", "kilometres"},
        {u"2e3\t\r\n mm", u"2000", "millimetres"},
        {u"20 \u00B0C", u"20", "Celsius"},
        // The kitchen's measures.
        {u"3 cups flour", u"3", "cups (US)"},
        {u"1 metric cup", u"1", "cups (metric)"},
        {u"2 tbsp", u"2", "tablespoons (US)"},
        {u"1/2 tsp", u"1", "none"},
        {u"8 fl oz", u"8", "U.S. Fluid Ounces"},
        {u"trailing 7", u"7", "none"},
        {u"7   ", u"7", "none"},
        {u"no digits km", u"1", "none"},
        {u"", u"1", "none"},
    };
    for (const auto& [selection, amount, unit] : cases) {
        RecognizedAmount recognized = RecognizeAmountAndUnit(selection, table);
        EXPECT_EQ(recognized.amount, amount) << unit;
        EXPECT_EQ(NameOf(recognized.unit), unit) << recognized.amount.size();
    }
    const std::pair<std::string, std::optional<double>> amounts[] = {
        {" \t2.5kg", 2.5}, {"-1e3", -1000.0}, {"abc", std::nullopt}, {"", std::nullopt}};
    for (const auto& [text, expected] : amounts)
        EXPECT_EQ(ReadAmount(text), expected) << text;
}

} // namespace
} // namespace tandrel
