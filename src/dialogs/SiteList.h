// The tick rules of every list of sites: which entries are ticked when the list opens, what a
// double-click does, and that an exclusive entry is never ticked together with another. The ticks
// live in the entries' selected flags; the list view on screen only mirrors them.
#pragma once

#include "config/LinkList.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace tandrel {

/// A list's ticks with which of its entries are exclusive: all the tick rules look at, so that a
/// list kept elsewhere (the browser extension's dialogs) follows the same rules.
struct SiteTicks {
    std::vector<bool> ticked;
    std::vector<bool> exclusive; ///< one flag for each tick
};

/// Walks the entries in order; the anchor (or else the first ticked entry) stays ticked, and
/// every other ticked entry is unticked when it or the anchor is exclusive.
void KeepExclusiveAlone(SiteTicks& ticks, std::optional<std::size_t> anchor);

/// A double-click on the entry: its tick flips, then exclusive entries are kept alone with it
/// as the anchor (whether it is now ticked or not).
void DoubleClickTick(SiteTicks& ticks, std::size_t entry);

class CSiteListModel {
public:
    /// The model works on the list's own flags; the list outlives it.
    explicit CSiteListModel(CLinkList& links) : links_(links) {}

    /// As the list opens: when some entries are ticked, the first of them wins over exclusive
    /// ones; when none is, the first entry is ticked (an empty list stays empty).
    void Init();

    /// DoubleClickTick on the list's entries.
    void DoubleClick(std::size_t entry);

    /// KeepExclusiveAlone on the list's entries.
    void EnforceExclusive(std::optional<std::size_t> anchor);

    /// Whether any entry is ticked (OK needs one).
    bool AnyTicked() const;

    /// The first ticked entry, which the list scrolls into view.
    std::optional<std::size_t> FirstTicked() const;

    std::size_t size() const { return links_.size(); }
    bool IsTicked(std::size_t entry) const { return links_[entry].GetSelected(); }
    const CLink& Entry(std::size_t entry) const { return links_[entry]; }

private:
    SiteTicks Ticks() const;
    void SetTicks(const SiteTicks& ticks);

    CLinkList& links_;
};

} // namespace tandrel
