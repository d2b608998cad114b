// The units of the "=>Convert" command: categories of units loaded from the "UNIT:" sections of
// the link configuration, each unit a linear (or inverted) map onto its category's reference
// unit, and the index that finds a unit by the alias a selection starts with.
#pragma once

#include <cstddef>
#include <functional>
#include <list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tandrel {

class CSectionList;
class CUnitCategory;

/// One unit: reference = value × scale + offset, or scale ÷ value + offset when inverted.
class CUnit {
public:
    CUnit(std::string name, const CUnitCategory& category, double scale, double offset, bool invert)
        : name_(std::move(name)), category_(category), scale_(scale), offset_(offset),
          invert_(invert) {}
    CUnit(const CUnit&) = delete;
    CUnit& operator=(const CUnit&) = delete;

    /// The first alias of its line exactly as written, in the ANSI code page.
    const std::string& GetName() const { return name_; }
    const CUnitCategory& GetCategory() const { return category_; }
    double GetScale() const { return scale_; }
    double GetOffset() const { return offset_; }
    bool GetInvert() const { return invert_; }

    /// The value in the category's reference unit; throws std::range_error (the text of
    /// ids::kDivisionByZero) when an inverted unit is given zero or NaN.
    double ToReference(double value) const;

    /// A value in the reference unit expressed in this unit; throws std::range_error when the
    /// divisor (the scale, or the reference less the offset when inverted) is zero or NaN.
    double FromReference(double reference) const;

private:
    std::string name_;
    const CUnitCategory& category_;
    double scale_;
    double offset_;
    bool invert_;
};

/// The value in from converted to to: to.FromReference(from.ToReference(value)), which throws
/// std::range_error on a zero divisor. A difference in the reference unit that is no larger than
/// the rounding of the terms it was summed from (16 units of rounding of their sizes added up)
/// counts as zero: 32 Farenheit is 0 Celsius, not -1.06581e-014, and an inverted unit reached
/// from there divides by zero.
double ConvertUnits(double value, const CUnit& from, const CUnit& to);

/// The units of one category in the order the configuration lists them.
class CUnitCategory {
public:
    explicit CUnitCategory(std::string name) : name_(std::move(name)) {}
    // Units refer to their category, so it never moves.
    CUnitCategory(const CUnitCategory&) = delete;
    CUnitCategory& operator=(const CUnitCategory&) = delete;

    /// The category value of its sections with ASCII capitals lowered.
    const std::string& GetName() const { return name_; }
    /// A list, so that pointers to units stay valid as units are added.
    const std::list<CUnit>& Units() const { return units_; }

private:
    friend class CUnitTable;
    std::string name_;
    std::list<CUnit> units_;
};

/// Every category by name, and every alias of every unit.
class CUnitTable {
public:
    /// Categories by lowered name, in ascending byte order.
    using CategoryMap = std::map<std::string, CUnitCategory>;
    /// Aliases exactly as written, in ascending byte order; equal aliases keep the order they
    /// were added in.
    using AliasIndex = std::multimap<std::string, const CUnit*, std::less<>>;

    CUnitTable() = default;
    // The index points into the categories; a copy would point into the original.
    CUnitTable(const CUnitTable&) = delete;
    CUnitTable& operator=(const CUnitTable&) = delete;
    CUnitTable(CUnitTable&&) = default;
    CUnitTable& operator=(CUnitTable&&) = default;

    /// Replaces the contents with the units of the sections, in section order. A section without
    /// a category value is skipped; its a (default 1), b (default 0) and invert (default false)
    /// apply to each of its lines "ten-18" to "ten+18", read in ascending order of the power.
    void Load(const CSectionList& sections);

    const CategoryMap& Categories() const { return categories_; }
    const AliasIndex& Aliases() const { return aliases_; }
    /// The length of the longest alias; no alias can match more of a text than this.
    std::size_t LongestAlias() const { return longestAlias_; }

    /// The unit whose alias is the longest start of text (ANSI code page): at each length, from
    /// the longest, the alias as written first, then the start of text with ASCII capitals
    /// lowered. Of several units with that alias, the first one added. Null when none matches.
    const CUnit* FindUnit(std::string_view text) const;

private:
    void AddLine(CUnitCategory& category, std::string_view line, double scale, double offset,
                 bool invert);
    void AddAlias(std::string_view alias, const CUnit* unit);
    struct Match {
        std::size_t length = 0;
        const CUnit* unit = nullptr;
    };
    /// The longest alias that text starts with, exactly as written or, with lowerText, with its
    /// ASCII capitals lowered.
    Match LongestAliasAtStart(std::string_view text, bool lowerText) const;

    CategoryMap categories_;
    AliasIndex aliases_;
    /// The aliases in index order, one after the other, so that the lookup finds neighbours of
    /// the index side by side in memory (a vector: its bytes stay where they are when it moves).
    std::vector<char> aliasBytes_;
    /// The index in its order, as views of aliasBytes_, so that the lookup can search it by one
    /// byte at a time.
    std::vector<std::pair<std::string_view, const CUnit*>> sortedAliases_;
    std::size_t longestAlias_ = 0;
};

/// The units of the "UNIT:" sections, from the configuration file or the stored default.
CUnitTable LoadUnitTable();

} // namespace tandrel
