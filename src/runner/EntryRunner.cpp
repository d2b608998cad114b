#include "runner/EntryRunner.h"

#include "actions/ConsoleCommand.h"
#include "actions/Mail.h"
#include "actions/OpenLinks.h"
#include "config/ConfigLoader.h"

namespace tandrel {

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
    if (!link.GetCommand().empty())
        RunConsoleCommand(link, page);
    if (!link.GetHref().empty())
        FollowAnchor(link, page);
    else if (!link.GetUrl().empty())
        OpenInWindow(link, page, index);
    if (link.GetHasMail())
        SendMail(link, page);
}

} // namespace tandrel
