#include "web/ControlRoles.h"

#include "common/Platform.h"
#include "resources/ResourceIds.h"

namespace tandrel::web {

// The about box's Help is the other dialogs' Help: one id, one role.
static_assert(IDC_ABOUT_HELP == IDC_HELP_BUTTON);

const std::vector<ControlRole>& ControlRoles() {
    static const std::vector<ControlRole> kRoles = {
        {kIdOk, "ok"},
        {kIdCancel, "cancel"},
        {kIdYes, "yes"},
        {kIdNo, "no"},
        {IDC_HELP_BUTTON, "help"},
        {IDC_ABOUT_CUSTOMIZATION, "customization"},
        {IDC_ABOUT_HOME_PAGE, "homePage"},
        {IDC_CALCULATE, "calculate"},
        {IDC_TEXT, "text"},
        {IDC_SITE_LIST, "list"},
    };
    return kRoles;
}

std::string_view RoleOf(int controlId) {
    for (const ControlRole& entry : ControlRoles()) {
        if (entry.controlId == controlId)
            return entry.role;
    }
    return {};
}

std::optional<int> ControlWithRole(std::string_view role, const std::vector<int>& controls) {
    for (int control : controls) {
        if (!role.empty() && RoleOf(control) == role)
            return control;
    }
    return std::nullopt;
}

} // namespace tandrel::web
