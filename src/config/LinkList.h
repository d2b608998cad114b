// The link entries of one category, in configuration order.
#pragma once

#include "config/Link.h"

#include <string_view>
#include <vector>

namespace tandrel {

/// An ordered list that owns its entries.
class CLinkList {
public:
    using iterator = std::vector<CLink>::iterator;
    using const_iterator = std::vector<CLink>::const_iterator;

    /// Appends an entry and returns it; the reference stays valid until the next Append.
    CLink& Append(CLink link);

    /// Stores every entry's choice, first to last (with two entries of one name the later one's
    /// choice is what remains); false when any could not be stored. Never call it for the system
    /// entries.
    bool SaveSelections() const;

    std::size_t size() const { return links_.size(); }
    bool empty() const { return links_.empty(); }
    iterator begin() { return links_.begin(); }
    iterator end() { return links_.end(); }
    const_iterator begin() const { return links_.begin(); }
    const_iterator end() const { return links_.end(); }
    CLink& operator[](std::size_t index) { return links_[index]; }
    const CLink& operator[](std::size_t index) const { return links_[index]; }

private:
    std::vector<CLink> links_;
};

/// Fills list with one entry per section of the prefix (LoadSections with systemOnly, which is
/// set for "SYSTEM:" alone), each filled by LoadFromSection. An empty list is a valid result.
void LoadLinks(CLinkList& list, std::string_view prefix, bool systemOnly);

} // namespace tandrel
