#include "runner/EntryRunner.h"

#include "actions/ConsoleCommand.h"
#include "actions/Mail.h"
#include "actions/OpenLinks.h"
#include "config/ConfigLoader.h"

namespace tandrel {

namespace {
EntryWatcher& Watcher() {
    static EntryWatcher watcher;
    return watcher;
}
} // namespace

void RunSystemEntry(CPageContext& page, std::string_view name) {
    CLinkList system;
    LoadLinks(system, kSystemPrefix, true);
    for (CLink& link : system)
        link.SetSelected(link.GetSectionName() == name);
    RunChosenEntries(system, page);
}

void RunChosenEntries(const CLinkList& list, CPageContext& page) {
    int index = 0;
    for (const CLink& link : list) {
        if (link.GetSelected())
            RunEntry(link, page, index++);
    }
}

void RunEntry(const CLink& link, CPageContext& page, int index) {
    if (Watcher())
        Watcher()(link, page);
    if (!link.GetCommand().empty())
        RunConsoleCommand(link, page);
    if (!link.GetHref().empty())
        FollowAnchor(link, page);
    else if (!link.GetUrl().empty())
        OpenInWindow(link, page, index);
    if (link.GetHasMail())
        SendMail(link, page);
}

bool AppendEntriesNamed(CLinkList& list, std::string_view name) {
    std::size_t colon = name.find(':');
    if (colon == std::string_view::npos)
        return false;
    std::string_view prefix = name.substr(0, colon + 1);
    CLinkList all;
    LoadLinks(all, prefix, IsSystemPrefix(prefix));
    bool found = false;
    for (CLink& link : all) {
        if (link.GetSectionName() != name)
            continue;
        link.SetSelected(true);
        list.Append(link);
        found = true;
    }
    return found;
}

ScopedEntryWatcher::ScopedEntryWatcher(EntryWatcher watcher) : previous_(std::move(Watcher())) {
    Watcher() = std::move(watcher);
}

ScopedEntryWatcher::~ScopedEntryWatcher() {
    Watcher() = std::move(previous_);
}

} // namespace tandrel
