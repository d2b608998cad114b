#include "dialogs/SiteListDialog.h"

#include "common/TextConversion.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"

namespace tandrel {

std::u16string EditBoxText(std::u16string_view typed) {
    return std::u16string(typed.substr(0, kEditBoxUnits - 1));
}

OkOutcome CheckOk(const SiteListRequest& request, const CSiteListModel& model,
                  std::u16string& text) {
    if (request.text && request.check.accept) {
        std::optional<std::u16string> accepted = request.check.accept(text);
        if (!accepted)
            return {false, request.check.refusalMessageId, IDC_TEXT};
        text = *accepted;
    }
    if (!model.AnyTicked())
        return {false, ids::kNothingChosen, IDC_SITE_LIST};
    return {true, 0, 0};
}

} // namespace tandrel
