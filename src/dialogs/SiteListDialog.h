// What every dialog with a list of sites shares: what the command hands it (template, entries,
// the text to confirm, the texts of the generic dialog, the text check) and the checks made at
// OK, kept apart from the windows so that tests run them without any.
#pragma once

#include "config/LinkList.h"
#include "dialogs/SiteList.h"

#include <optional>
#include <string>
#include <string_view>

namespace tandrel {

/// The check a dialog makes of its text at OK: the accepted text (possibly normalised) or none,
/// and the message shown when it refuses.
struct TextCheck {
    std::optional<std::u16string> (*accept)(std::u16string_view text) = nullptr; ///< null: any
    int refusalMessageId = 0;
};

/// One run of a site-list dialog.
struct SiteListRequest {
    int templateId;
    CLinkList* links;
    std::optional<std::u16string> text; ///< the edit box's text; none: a dialog without one
    TextCheck check;
    int captionId = 0; ///< the generic dialog: the group box around the edit box
    int labelId = 0;   ///< the generic dialog: the text above the list
};

/// The UTF-16 units an edit box is read into, its terminating zero included.
constexpr int kEditBoxUnits = 1024;

/// The text an edit box gives back: read as wide text into 1,024 units, so at most 1,023 of them.
std::u16string EditBoxText(std::u16string_view typed);

/// How OK went: accepted, or refused with a message and the control that gets the focus.
struct OkOutcome {
    bool accepted = false;
    int messageId = 0;
    int focusControl = 0;
};

/// The OK sequence: the text check (which may normalise text), then that something is ticked.
OkOutcome CheckOk(const SiteListRequest& request, const CSiteListModel& model,
                  std::u16string& text);

} // namespace tandrel
