// The controls of the dialogs and message boxes by role ("ok", "help", "calculate", "text" ...),
// the name every answer gives a button or a control and every request answers with: the
// extension never needs the Windows control ids the resource script gives them.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace tandrel::web {

struct ControlRole {
    int controlId;
    std::string_view role;
};

/// Every control a shell sees, with its role.
const std::vector<ControlRole>& ControlRoles();

/// The role of a control; empty for a control of no role.
std::string_view RoleOf(int controlId);

/// The control of that role among the controls given (a dialog's or a message box's buttons);
/// none when none of them has it.
std::optional<int> ControlWithRole(std::string_view role, const std::vector<int>& controls);

} // namespace tandrel::web
