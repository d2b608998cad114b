#include "dialogs/SiteList.h"

namespace tandrel {

void KeepExclusiveAlone(SiteTicks& ticks, std::optional<std::size_t> anchor) {
    for (std::size_t entry = 0; entry < ticks.ticked.size(); ++entry) {
        if (!ticks.ticked[entry])
            continue;
        if (!anchor) {
            anchor = entry;
            continue;
        }
        if (entry == *anchor)
            continue;
        if (ticks.exclusive[entry] || ticks.exclusive[*anchor])
            ticks.ticked[entry] = false;
    }
}

void DoubleClickTick(SiteTicks& ticks, std::size_t entry) {
    ticks.ticked[entry] = !ticks.ticked[entry];
    KeepExclusiveAlone(ticks, entry);
}

void CSiteListModel::Init() {
    if (AnyTicked())
        EnforceExclusive(std::nullopt);
    else if (size() > 0)
        links_[0].SetSelected(true);
}

void CSiteListModel::DoubleClick(std::size_t entry) {
    SiteTicks ticks = Ticks();
    DoubleClickTick(ticks, entry);
    SetTicks(ticks);
}

void CSiteListModel::EnforceExclusive(std::optional<std::size_t> anchor) {
    SiteTicks ticks = Ticks();
    KeepExclusiveAlone(ticks, anchor);
    SetTicks(ticks);
}

bool CSiteListModel::AnyTicked() const {
    return FirstTicked().has_value();
}

std::optional<std::size_t> CSiteListModel::FirstTicked() const {
    for (std::size_t entry = 0; entry < size(); ++entry) {
        if (IsTicked(entry))
            return entry;
    }
    return std::nullopt;
}

SiteTicks CSiteListModel::Ticks() const {
    SiteTicks ticks;
    for (const CLink& link : links_) {
        ticks.ticked.push_back(link.GetSelected());
        ticks.exclusive.push_back(link.GetExclusive());
    }
    return ticks;
}

void CSiteListModel::SetTicks(const SiteTicks& ticks) {
    for (std::size_t entry = 0; entry < size(); ++entry)
        links_[entry].SetSelected(ticks.ticked[entry]);
}

} // namespace tandrel
