// One section of the link configuration and the ordered sections of one prefix.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tandrel {

/// One section: its full name as written in the head ("ISBN:AmazonCom") and its values by key.
/// Keys are stored with their ASCII capitals lowered, and every lookup lowers its key the same
/// way, so "Url", "url" and "URL" are one key. Values are kept verbatim.
class CConfigSection {
public:
    explicit CConfigSection(std::string name) : name_(std::move(name)) {}

    /// The full section name, prefix included.
    std::string GetName() const { return name_; }

    /// The stored value of key, even when it is empty; defaultValue when the key is absent.
    std::string GetString(std::string_view key, std::string_view defaultValue) const;

    /// True for a value whose first byte is "1", "T", "t", "Y" or "y", false for "0", "F", "f",
    /// "N" or "n"; defaultValue for any other first byte, an empty value or an absent key.
    bool GetBool(std::string_view key, bool defaultValue) const;

    /// The decimal number at the start of the value (ReadLeadingDecimal: "." is the decimal point
    /// in every locale, trailing text ignored); defaultValue when the key is absent or the value
    /// does not start with a number.
    double GetDouble(std::string_view key, double defaultValue) const;

    /// True when the key is present with a value that is not empty.
    bool HasValue(std::string_view key) const;

    /// Stores value under key (lowered), replacing an earlier value of that key.
    void SetValue(std::string_view key, std::string value);

    /// Every stored value by lowered key, in ascending byte order of the keys.
    const std::map<std::string, std::string>& Values() const { return values_; }

private:
    /// The stored value of key, or null when the key is absent.
    const std::string* Find(std::string_view key) const;

    std::string name_;
    std::map<std::string, std::string> values_;
};

/// The sections of one prefix in the order of their heads in the text. Two heads with one name
/// give two sections; nothing merges them.
class CSectionList {
public:
    using const_iterator = std::vector<CConfigSection>::const_iterator;

    /// Appends a new section without values and returns it; the reference stays valid until the
    /// next Append.
    CConfigSection& Append(std::string name);
    /// Appends a copy of every section of other, in order.
    void Append(const CSectionList& other);

    std::size_t size() const { return sections_.size(); }
    bool empty() const { return sections_.empty(); }
    const_iterator begin() const { return sections_.begin(); }
    const_iterator end() const { return sections_.end(); }
    const CConfigSection& operator[](std::size_t index) const { return sections_[index]; }

private:
    std::vector<CConfigSection> sections_;
};

} // namespace tandrel
