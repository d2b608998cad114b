#include "ConfigText.h"
#include "Subcommands.h"

#include "config/ConfigLoader.h"
#include "config/LinkList.h"

#include <ostream>

namespace tandrel::tool {

namespace {

const char* Flag(bool value) {
    return value ? "1" : "0";
}

// Every field of the entry in record order, as name=value lines.
void PrintFields(std::ostream& out, const CLink& link) {
    const std::pair<const char*, std::string> fields[] = {
        {"shortDescription", ConfigTextToUtf8(link.GetShortDescription())},
        {"longDescription", ConfigTextToUtf8(link.GetLongDescription())},
        {"url", ConfigTextToUtf8(link.GetUrl())},
        {"href", ConfigTextToUtf8(link.GetHref())},
        {"command", ConfigTextToUtf8(link.GetCommand())},
        {"useConsole", Flag(link.GetUseConsole())},
        {"leaveConsole", Flag(link.GetLeaveConsole())},
        {"URLEncoded", Flag(link.GetURLEncoded())},
        {"hasMail", Flag(link.GetHasMail())},
        {"MailTo", ConfigTextToUtf8(link.GetMailTo())},
        {"MailCC", ConfigTextToUtf8(link.GetMailCC())},
        {"MailBCC", ConfigTextToUtf8(link.GetMailBCC())},
        {"MailSubject", ConfigTextToUtf8(link.GetMailSubject())},
        {"MailBody", ConfigTextToUtf8(link.GetMailBody())},
        {"windowName", ConfigTextToUtf8(link.GetWindowName())},
        {"left", ConfigTextToUtf8(link.GetLeft())},
        {"top", ConfigTextToUtf8(link.GetTop())},
        {"width", ConfigTextToUtf8(link.GetWidth())},
        {"height", ConfigTextToUtf8(link.GetHeight())},
        {"directories", Flag(link.GetDirectories())},
        {"fullScreen", Flag(link.GetFullScreen())},
        {"location", Flag(link.GetLocation())},
        {"menuBar", Flag(link.GetMenuBar())},
        {"resizable", Flag(link.GetResizable())},
        {"scrollBars", Flag(link.GetScrollBars())},
        {"status", Flag(link.GetStatus())},
        {"titleBar", Flag(link.GetTitleBar())},
        {"toolBar", Flag(link.GetToolBar())},
        {"exclusive", Flag(link.GetExclusive())},
        {"defaultSelected", Flag(link.GetDefaultSelected())},
        {"sectionName", ConfigTextToUtf8(link.GetSectionName())},
        {"selected", Flag(link.GetSelected())},
    };
    for (const auto& [name, value] : fields)
        out << name << "=" << value << "\n";
    out << "\n";
}

} // namespace

int RunLinks(ToolContext& context) {
    bool allFields = false;
    for (auto it = context.arguments.begin(); it != context.arguments.end();) {
        allFields = allFields || *it == "--fields";
        it = *it == "--fields" ? context.arguments.erase(it) : it + 1;
    }
    std::string prefix = PrefixArgument(context, "links");
    CLinkList links;
    LoadLinks(links, prefix, IsSystemPrefix(prefix));
    for (const CLink& link : links) {
        if (allFields) {
            PrintFields(*context.out, link);
            continue;
        }
        *context.out << ConfigTextToUtf8(link.GetSectionName()) << "\t" << Flag(link.GetSelected())
                     << "\t" << ConfigTextToUtf8(link.GetShortDescription()) << "\n";
    }
    return links.empty() ? kExitNotFound : kExitSuccess;
}

} // namespace tandrel::tool
