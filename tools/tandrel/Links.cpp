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
    for (const LinkField& field : LinkFields()) {
        out << field.name << "="
            << (field.text ? ConfigTextToUtf8(link.GetText(field)) : Flag(link.GetFlag(field)))
            << "\n";
    }
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
