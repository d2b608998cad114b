#include "config/ConfigSection.h"

#include "common/DecimalNumber.h"
#include "common/TextConversion.h"

namespace tandrel {

const std::string* CConfigSection::Find(std::string_view key) const {
    auto it = values_.find(AsciiLower(key));
    return it == values_.end() ? nullptr : &it->second;
}

std::string CConfigSection::GetString(std::string_view key, std::string_view defaultValue) const {
    const std::string* value = Find(key);
    return value ? *value : std::string(defaultValue);
}

bool CConfigSection::GetBool(std::string_view key, bool defaultValue) const {
    const std::string* value = Find(key);
    if (!value || value->empty())
        return defaultValue;
    switch ((*value)[0]) {
    case '0':
    case 'F':
    case 'f':
    case 'N':
    case 'n':
        return false;
    case '1':
    case 'T':
    case 't':
    case 'Y':
    case 'y':
        return true;
    default:
        return defaultValue;
    }
}

double CConfigSection::GetDouble(std::string_view key, double defaultValue) const {
    const std::string* value = Find(key);
    if (!value)
        return defaultValue;
    return ReadLeadingDecimal(*value).value_or(defaultValue);
}

bool CConfigSection::HasValue(std::string_view key) const {
    const std::string* value = Find(key);
    return value && !value->empty();
}

void CConfigSection::SetValue(std::string_view key, std::string value) {
    values_[AsciiLower(key)] = std::move(value);
}

CConfigSection& CSectionList::Append(std::string name) {
    return sections_.emplace_back(std::move(name));
}

void CSectionList::Append(const CSectionList& other) {
    sections_.insert(sections_.end(), other.sections_.begin(), other.sections_.end());
}

} // namespace tandrel
