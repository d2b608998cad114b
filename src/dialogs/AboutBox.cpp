#include "dialogs/AboutBox.h"

#include "dialogs/DialogHost.h"
#include "runner/EntryRunner.h"

namespace tandrel {

std::optional<std::string_view> AboutBoxEntry(int closedWith) {
    switch (closedWith) {
    case kAboutHelp:
        return "SYSTEM:HelpHome";
    case kAboutCustomization:
        return "SYSTEM:HelpCustomize";
    case kAboutHomePage:
        return "SYSTEM:Home";
    default:
        return std::nullopt;
    }
}

void RunConfigCommand(CPageContext& page) {
    // The page opens after the box is gone, never while it is showing.
    if (std::optional<std::string_view> entry = AboutBoxEntry(CurrentDialogs().ShowAboutBox()))
        RunSystemEntry(page, *entry);
}

} // namespace tandrel
