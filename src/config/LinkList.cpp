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
    std::shared_ptr<const CParsedPrefix> parsed = LoadParsedPrefix(prefix, systemOnly);
    for (const CLink& loaded : parsed->Links()) {
        CLink& link = list.Append(loaded);
        link.LoadRememberedChoice();
    }
}

} // namespace tandrel
