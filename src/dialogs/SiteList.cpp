#include "dialogs/SiteList.h"

namespace tandrel {

void CSiteListModel::Init() {
    if (AnyTicked())
        EnforceExclusive(std::nullopt);
    else if (size() > 0)
        links_[0].SetSelected(true);
}

void CSiteListModel::DoubleClick(std::size_t entry) {
    links_[entry].SetSelected(!links_[entry].GetSelected());
    EnforceExclusive(entry);
}

void CSiteListModel::EnforceExclusive(std::optional<std::size_t> anchor) {
    for (std::size_t entry = 0; entry < size(); ++entry) {
        if (!IsTicked(entry))
            continue;
        if (!anchor) {
            anchor = entry;
            continue;
        }
        if (entry == *anchor)
            continue;
        if (links_[entry].GetExclusive() || links_[*anchor].GetExclusive())
            links_[entry].SetSelected(false);
    }
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

} // namespace tandrel
