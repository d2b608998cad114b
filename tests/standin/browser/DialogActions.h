// What a user does in a dialog: the actions of one answer, read from the command line, carried
// out on a live dialog the way a keyboard and mouse would, and the dialog's controls described as
// lines of text.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandrel::standin {

struct DialogAction {
    enum class Kind {
        kType,   ///< set the first edit box to `text`
        kToggle, ///< double-click the list view entry labelled `text`
        kChoose, ///< choose the item `text` of the list or combo box `control`
        kPress,  ///< press the button whose text without "&" is `text` ("Cancel": Escape if none)
    };
    Kind kind = Kind::kPress;
    std::u16string text;
    int control = 0;
};

/// The actions of one answer, in order.
using DialogAnswer = std::vector<DialogAction>;

/// Reads "type:TEXT", "toggle:LABEL", "choose:ID:TEXT" and "press:NAME" separated by ";"
/// (empty parts are skipped). None, with a message, for anything else.
std::optional<DialogAnswer> ParseDialogAnswer(std::u16string_view text, std::string& error);

/// The action as it was written, for messages.
std::u16string DescribeAction(const DialogAction& action);

/// A window's text.
std::u16string WindowText(HWND window);

/// One line per child control in the dialog's order: `control ID "TEXT"` (a list or combo box
/// gives its chosen item) or, for a list view, `item "LABEL" ticked|unticked` per entry.
std::vector<std::string> DescribeControls(HWND dialog);

/// Carries out one action; false, with a message, when the dialog offers no way to do it.
bool CarryOut(HWND dialog, const DialogAction& action, std::string& error);

/// While a double-click is under way, the screen point the user's hand holds the cursor at. The
/// watched modules read it as the cursor position: under Wine a cursor move still on its way
/// from the X server could otherwise move the click to another entry.
std::optional<POINT> HeldCursor();

/// What the Escape key does in a dialog: the command IDCANCEL.
void PressEscape(HWND dialog);

} // namespace tandrel::standin
