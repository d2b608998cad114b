#include "config/LinkList.h"

#include "config/ConfigLoader.h"

namespace tandrel {

CLink& CLinkList::Append(CLink link) {
    return links_.emplace_back(std::move(link));
}

bool CLinkList::SaveSelections() const {
    bool allSaved = true;
    for (const CLink& link : links_)
        allSaved = link.SaveSelection() && allSaved;
    return allSaved;
}

void LoadLinks(CLinkList& list, std::string_view prefix, bool systemOnly) {
    CSectionList sections;
    LoadSections(sections, prefix, systemOnly);
    for (const CConfigSection& section : sections) {
        CLink link;
        link.LoadFromSection(section);
        list.Append(std::move(link));
    }
}

} // namespace tandrel
