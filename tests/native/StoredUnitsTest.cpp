// The units of the stored default against their physical values: every unit, every pair of units
// of one category, and the units with an offset in both directions.
#include "TestPlatform.h"

#include "config/ConfigSection.h"
#include "conversions/UnitRecognition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace tandrel {
namespace {

// Exact definitions (the international yard and pound of 1959, the imperial gallon of 1985, the
// US gallon of 231 cubic inches, standard gravity) from which the other values below follow.
constexpr double kPi = 3.14159265358979323846;
constexpr double kInch = 0.0254;
constexpr double kFoot = 0.3048;
constexpr double kYard = 0.9144;
constexpr double kMile = 1609.344;
constexpr double kNauticalMile = 1852;
constexpr double kPound = 0.45359237;
constexpr double kGravity = 9.80665;
constexpr double kUkGallon = 4.54609e-3;
constexpr double kUsGallon = 231 * kInch * kInch * kInch;
constexpr double kDay = 86400;
constexpr double kThermochemicalCalorie = 4.184;
// One pound of water warmed by one degree Fahrenheit, in thermochemical calories.
constexpr double kThermochemicalBtu = kThermochemicalCalorie * 1000 * kPound * 5 / 9;

/// A unit by its physical value in SI: value × factor + offset, or factor ÷ value.
struct PhysicalUnit {
    const char* category;
    const char* name;
    double factor;
    double offset = 0;
    bool reciprocal = false;
};

// Every unit of the stored default by category and name, in the order the conversion dialog lists
// them, in SI units: radians, square metres, metres, joules, cubic metres of fuel per metre
// driven, kilograms, watts, pascals, metres per second, kelvins, seconds and cubic metres.
const PhysicalUnit kPhysicalUnits[] = {
    {"angle", "radians", 1},
    {"angle", "degrees", kPi / 180},
    {"angle", "minutes of arc", kPi / 180 / 60},
    {"angle", "seconds of arc", kPi / 180 / 3600},
    {"area", "square centimetres", 1e-4},
    {"area", "square metres", 1},
    {"area", "hectares", 1e4},
    {"area", "square yards", kYard* kYard},
    {"area", "square feet", kFoot* kFoot},
    {"area", "acres", 4840 * kYard* kYard},
    {"distance", "Angstroms", 1e-10},
    {"distance", "nanometres", 1e-9},
    {"distance", "micrometres", 1e-6},
    {"distance", "millimetres", 1e-3},
    {"distance", "centimetres", 1e-2},
    {"distance", "metres", 1},
    {"distance", "kilometres", 1e3},
    {"distance", "miles", kMile},
    {"distance", "yards", kYard},
    {"distance", "feet", kFoot},
    {"distance", "inches", kInch},
    {"distance", "nautical miles (INTL)", kNauticalMile},
    {"distance", "fathoms", 6 * kFoot},
    {"energy", "Joules", 1},
    {"energy", "kJoules", 1e3},
    {"energy", "Calorie", kThermochemicalCalorie},
    {"energy", "kCalorie (food)", 1e3 * kThermochemicalCalorie},
    {"energy", "kWh", 3.6e6},
    {"fuel consumption", "miles per gallon (UK)", kUkGallon / kMile, 0, true},
    {"fuel consumption", "miles per gallon (US)", kUsGallon / kMile, 0, true},
    {"fuel consumption", "litres/100Km", 1e-3 / 100e3},
    {"mass", "kilograms", 1},
    {"mass", "metric ton", 1e3},
    {"mass", "ounces", kPound / 16},
    {"mass", "pounds", kPound},
    {"mass", "troy ounces", 31.1034768e-3},
    {"mass", "hundredweight (long)", 112 * kPound},
    {"mass", "long ton (UK)", 2240 * kPound},
    {"mass", "short ton (US)", 2000 * kPound},
    {"mass", "grains", kPound / 7000},
    {"power", "watts", 1},
    {"power", "kW", 1e3},
    {"power", "BTU/hour", kThermochemicalBtu / 3600},
    {"power", "horsepower", 550 * kFoot* kPound* kGravity},
    {"power", "horsepower (metric)", 75 * kGravity},
    {"pressure", "Pascal", 1},
    {"pressure", "Millibar", 1e2},
    {"pressure", "Kilopascal", 1e3},
    {"pressure", "bar", 1e5},
    {"pressure", "mmHg (Torr)", 101325.0 / 760},
    {"pressure", "atmospheres", 101325},
    {"pressure", "Pounds per Square Inch", kPound* kGravity / (kInch * kInch)},
    {"speed", "metre/sec", 1},
    {"speed", "Kilometre/second", 1e3},
    {"speed", "km/h", 1e3 / 3600},
    {"speed", "miles per hour", kMile / 3600},
    {"speed", "knots", kNauticalMile / 3600},
    {"temperature", "Celsius", 1, 273.15},
    {"temperature", "Farenheit", 5.0 / 9, 459.67 * 5 / 9},
    {"temperature", "Kelvin", 1},
    {"time", "milliseconds", 1e-3},
    {"time", "seconds", 1},
    {"time", "minutes", 60},
    {"time", "hours", 3600},
    {"time", "days", kDay},
    {"time", "days (Solar)", kDay},
    // The tropical year, which the calendar's 365.2425 days come close to.
    {"time", "years", 365.24219 * kDay},
    {"time", "years (Solar)", 365.24219 * kDay},
    {"time", "days (Sidereal)", 86164.0905},
    {"volume", "Cubic Centimetres", 1e-6},
    {"volume", "litres", 1e-3},
    {"volume", "Cubic Metres", 1},
    {"volume", "cubic feet", kFoot* kFoot* kFoot},
    {"volume", "cubic inches", kInch* kInch* kInch},
    {"volume", "pints (UK)", kUkGallon / 8},
    {"volume", "pints (US liquid)", kUsGallon / 8},
    {"volume", "gallons (UK)", kUkGallon},
    {"volume", "gallons (US)", kUsGallon},
    {"volume", "U.K. Fluid Ounces", kUkGallon / 160},
    {"volume", "U.S. Fluid Ounces", kUsGallon / 128},
    {"volume", "cups (US)", kUsGallon / 16},
    {"volume", "cups (metric)", 2.5e-4},
    {"volume", "tablespoons (US)", kUsGallon / 256},
    {"volume", "teaspoons (US)", kUsGallon / 768},
};

double ToSi(const PhysicalUnit& unit, double value) {
    return unit.reciprocal ? unit.factor / value : value * unit.factor + unit.offset;
}

double FromSi(const PhysicalUnit& unit, double si) {
    return unit.reciprocal ? unit.factor / si : (si - unit.offset) / unit.factor;
}

const CUnit& StoredUnit(const CUnitTable& table, std::string_view alias) {
    const CUnit* unit = table.FindUnit(alias);
    if (!unit)
        throw std::logic_error("no unit " + std::string(alias));
    return *unit;
}

// Each category of the stored default holds its units in the listed order, each unit knows its
// category, and nothing is missing.
TEST(StoredUnits, HoldEveryUnitInItsCategoryInOrder) {
    test::MemoryPlatformScope scope;
    CUnitTable table = LoadUnitTable();
    std::size_t units = 0;
    for (const auto& [name, category] : table.Categories()) {
        EXPECT_EQ(category.GetName(), name);
        std::vector<std::string> listed, expected;
        for (const CUnit& unit : category.Units()) {
            EXPECT_EQ(&unit.GetCategory(), &category) << unit.GetName();
            listed.push_back(unit.GetName());
        }
        for (const PhysicalUnit& unit : kPhysicalUnits) {
            if (unit.category == name)
                expected.push_back(unit.name);
        }
        EXPECT_EQ(listed, expected) << name;
        units += listed.size();
    }
    EXPECT_EQ(units, std::size(kPhysicalUnits)) << "a category is missing from the stored default";
}

TEST(StoredUnits, ConvertEveryPairAsTheirPhysicalValuesDo) {
    test::MemoryPlatformScope scope;
    CUnitTable table = LoadUnitTable();
    std::map<std::pair<std::string, std::string>, const PhysicalUnit*> physical;
    for (const PhysicalUnit& unit : kPhysicalUnits)
        physical[{unit.category, unit.name}] = &unit;
    for (const auto& [name, category] : table.Categories()) {
        for (const CUnit& unit : category.Units()) {
            ASSERT_TRUE(physical.count({name, unit.GetName()}))
                << "no physical value for " << unit.GetName() << " (" << name << ")";
        }
    }

    for (const auto& [name, category] : table.Categories()) {
        for (const CUnit& from : category.Units()) {
            const PhysicalUnit& physicalFrom = *physical.at({name, from.GetName()});
            for (const CUnit& to : category.Units()) {
                const PhysicalUnit& physicalTo = *physical.at({name, to.GetName()});
                for (double value : {1.0, 37.5}) {
                    double expected = FromSi(physicalTo, ToSi(physicalFrom, value));
                    EXPECT_NEAR(ConvertUnits(value, from, to), expected, 1e-6 * std::abs(expected))
                        << value << " " << from.GetName() << " in " << to.GetName();
                }
            }
        }
    }
}

// Into and out of a unit with an offset: the offset is taken off before the scale divides, and
// added after it multiplies. Every unit of the stored default with an offset, both ways.
TEST(StoredUnits, ConvertIntoAndOutOfEveryUnitWithAnOffset) {
    test::MemoryPlatformScope scope;
    CUnitTable table = LoadUnitTable();
    const struct {
        const char* from;
        double value;
        const char* to;
        const char* expected;
    } cases[] = {
        {"Celsius", 100, "Farenheit", "100 Celsius = 212 Farenheit"},
        {"Farenheit", 212, "Celsius", "212 Farenheit = 100 Celsius"},
        {"Celsius", -40, "Farenheit", "-40 Celsius = -40 Farenheit"},
        {"Farenheit", -40, "Celsius", "-40 Farenheit = -40 Celsius"},
        {"Celsius", 0, "Kelvin", "0 Celsius = 273.15 Kelvin"},
        {"Kelvin", 373.15, "Celsius", "373.15 Kelvin = 100 Celsius"},
        {"Kelvin", 0, "Farenheit", "0 Kelvin = -459.67 Farenheit"},
        {"Farenheit", 212, "Kelvin", "212 Farenheit = 373.15 Kelvin"},
    };
    std::set<std::string> into, outOf;
    for (const auto& c : cases) {
        EXPECT_EQ(ConversionResult(c.value, StoredUnit(table, c.from), StoredUnit(table, c.to)),
                  c.expected);
        outOf.insert(c.from);
        into.insert(c.to);
    }
    for (const auto& [name, category] : table.Categories()) {
        for (const CUnit& unit : category.Units()) {
            if (unit.GetOffset() == 0)
                continue;
            EXPECT_TRUE(into.count(unit.GetName())) << "nothing converted into " << unit.GetName();
            EXPECT_TRUE(outOf.count(unit.GetName())) << "nothing converted from " << unit.GetName();
        }
    }
}

// A result that the rounding of its terms alone keeps from zero is zero; a result that is small
// because its terms are small is kept.
TEST(StoredUnits, ResultsZeroButForRoundingAreZero) {
    test::MemoryPlatformScope scope;
    CUnitTable table = LoadUnitTable();
    const struct {
        double value;
        const char* from;
        const char* to;
        const char* expected;
    } cases[] = {
        {32, "Farenheit", "Celsius", "32 Farenheit = 0 Celsius"},
        {273.15, "Kelvin", "Celsius", "273.15 Kelvin = 0 Celsius"},
        {255.3722222222222, "Kelvin", "Farenheit", "255.372 Kelvin = 0 Farenheit"},
        {-17.77777777777778, "Celsius", "Farenheit", "-17.7778 Celsius = 0 Farenheit"},
        {1e-20, "metres", "kilometres", "1e-020 metres = 1e-023 kilometres"},
        {-1e-12, "Celsius", "Celsius", "-1e-012 Celsius = -1e-012 Celsius"},
        {32.000001, "Farenheit", "Celsius", "32 Farenheit = 5.55556e-007 Celsius"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConversionResult(c.value, StoredUnit(table, c.from), StoredUnit(table, c.to)),
                  c.expected);

    // Into an inverted unit, a difference that is zero but for rounding is a division by zero.
    CUnitTable own;
    CSectionList sections;
    CConfigSection& scale = sections.Append("UNIT:A");
    scale.SetValue("category", "c");
    scale.SetValue("a", "0.555555555555555");
    scale.SetValue("b", "-17.77777777777777");
    scale.SetValue("ten+0", "scaled");
    CConfigSection& inverted = sections.Append("UNIT:B");
    inverted.SetValue("category", "c");
    inverted.SetValue("invert", "yes");
    inverted.SetValue("ten+0", "inverted");
    own.Load(sections);
    EXPECT_THROW(ConvertUnits(32, StoredUnit(own, "scaled"), StoredUnit(own, "inverted")),
                 std::range_error);
    EXPECT_NEAR(ConvertUnits(33, StoredUnit(own, "scaled"), StoredUnit(own, "inverted")), 1.8,
                1e-12);
}

} // namespace
} // namespace tandrel
