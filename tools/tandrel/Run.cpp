#include "ConfigText.h"
#include "Subcommands.h"

#include "actions/MacroExpansion.h"
#include "actions/OpenLinks.h"
#include "common/TextConversion.h"
#include "config/ConfigLoader.h"
#include "config/ConfigParser.h"
#include "config/LinkList.h"
#include "runner/EntryRunner.h"

#include <cstdlib>
#include <ostream>

namespace tandrel::tool {

namespace {

// The value after an option, as configuration bytes.
std::string OptionValue(std::vector<std::string>& args, std::size_t& at) {
    if (at + 1 >= args.size())
        throw UsageError{args[at] + " needs a value"};
    return WideToWindows1252(Utf8ToWide(args[++at]));
}

// An entry made of the keys the options give, as a configuration section would make it.
CLink EntryOfOptions(std::vector<std::string> args, int& index) {
    static const std::pair<const char*, const char*> kSwitches[] = {
        {"--no-directories", "directories=n"}, {"--fullscreen", "fullScreen=y"},
        {"--no-location", "location=n"},       {"--no-menubar", "menuBar=n"},
        {"--no-resizable", "resizable=n"},     {"--no-scrollbars", "scrollBars=n"},
        {"--no-status", "status=n"},           {"--no-toolbar", "toolBar=n"}};
    std::string keys = "[X:Features]\n";
    for (std::size_t at = 0; at < args.size(); ++at) {
        const std::string& arg = args[at];
        if (arg == "--index") {
            std::string value = OptionValue(args, at);
            if (value.empty() || value.size() > 6 ||
                value.find_first_not_of("0123456789") != std::string::npos)
                throw UsageError{"--index takes a whole number"};
            index = std::atoi(value.c_str());
            continue;
        }
        bool known = false;
        for (const char* dimension : {"--width", "--height", "--left", "--top"}) {
            if (arg == dimension) {
                keys += std::string(dimension + 2) + "=" + OptionValue(args, at) + "\n";
                known = true;
            }
        }
        for (const auto& [option, key] : kSwitches) {
            if (arg == option) {
                keys += std::string(key) + "\n";
                known = true;
            }
        }
        if (!known)
            throw UsageError{"features does not take " + arg};
    }
    CSectionList sections;
    ParseConfigText(sections, keys, "X:");
    CLink link;
    link.LoadFromSection(sections[0]);
    return link;
}

// The entries of the configuration (or, for "SYSTEM:" names, of the stored system links) whose
// section name is name, ready to run.
void AppendEntriesNamedOrFail(CLinkList& list, const std::string& name) {
    if (name.find(':') == std::string::npos)
        throw UsageError{"a SECTION is a whole section name, such as ISBN:AmazonCom"};
    if (!AppendEntriesNamed(list, name))
        throw UsageError{"no section " + name};
}

std::string Utf8(const std::u16string& text) {
    return WideToUtf8(text);
}

// What one entry did to the page, as the runner would have done it in the browser.
void PrintActions(std::ostream& out, ToolContext& context, std::size_t startsBefore,
                  std::size_t eventsBefore, std::size_t beepsBefore, std::size_t messagesBefore) {
    const auto& started = context.platform->processes.started;
    for (std::size_t i = startsBefore; i < started.size(); ++i)
        out << "command\t" << ConfigTextToUtf8(started[i]) << "\n";
    const auto& events = context.top->Log()->events;
    for (std::size_t i = eventsBefore; i < events.size(); ++i) {
        if (events[i].kind == BrowserEvent::kOpen)
            out << "open\t" << Utf8(events[i].address) << "\t" << Utf8(events[i].name) << "\t"
                << Utf8(events[i].features) << "\n";
        else if (events[i].kind == BrowserEvent::kInsert)
            out << "anchor\t" << Utf8(events[i].markup) << "\n";
    }
    // A refusal the user is told of in a message, or only by a beep: a link the page took not.
    const auto& messages = context.platform->ui.messageBoxes;
    for (std::size_t i = messagesBefore; i < messages.size(); ++i)
        out << "refused\t" << ConfigTextToUtf8(messages[i].text) << "\n";
    if (context.platform->ui.beeps.size() > beepsBefore)
        out << "refused\tthe page took no link\n";
    for (std::size_t i = eventsBefore; i < events.size(); ++i) {
        if (events[i].kind == BrowserEvent::kNavigate)
            out << "mailto\t" << Utf8(events[i].address) << "\n";
    }
}

} // namespace

int RunFeatures(ToolContext& context) {
    int index = 0;
    CLink link = EntryOfOptions(context.arguments, index);
    CPageContext page;
    if (Failed(page.Load(context.frame)))
        return kExitNotFound;
    *context.out << Utf8(BuildWindowFeatures(link, page, index)) << "\n";
    return kExitSuccess;
}

int RunEntries(ToolContext& context) {
    if (context.arguments.empty())
        throw UsageError{"run takes one or more SECTION names"};
    CLinkList list;
    for (const std::string& name : context.arguments)
        AppendEntriesNamedOrFail(list, WideToWindows1252(Utf8ToWide(name)));
    if (const char* comspec = std::getenv("COMSPEC"))
        context.platform->processes.environment["COMSPEC"] = comspec;
    CPageContext page;
    if (Failed(page.Load(context.frame)))
        return kExitNotFound;
    // Each entry runs as the runner runs it, with its place among them; what it did follows.
    int index = 0;
    for (const CLink& link : list) {
        std::size_t starts = context.platform->processes.started.size();
        std::size_t events = context.top->Log()->events.size();
        std::size_t beeps = context.platform->ui.beeps.size();
        std::size_t messages = context.platform->ui.messageBoxes.size();
        RunEntry(link, page, index++);
        PrintActions(*context.out, context, starts, events, beeps, messages);
    }
    return kExitSuccess;
}

} // namespace tandrel::tool
