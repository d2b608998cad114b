// The dialogs of a command as the extension's interface plays them, around the real command
// handlers. In prepare, the first dialog the handler asks for is described (with everything the
// extension needs to draw it) and ends as Cancel, so that nothing runs and nothing is saved. In
// finish, the dialog takes the user's answer (text, final ticks, currencies, button) and runs its
// OK sequence with the dialogs' own checks; a refused OK ends it as Cancel too and keeps the
// message, which the extension shows over its dialog, still open.
#pragma once

#include "dialogs/DialogHost.h"
#include "web/WebJson.h"

#include <optional>
#include <vector>

namespace tandrel::web {

class CWebDialogs : public IDialogHost {
public:
    /// Prepare: dialogs are described and cancelled.
    CWebDialogs() = default;
    /// Finish: dialogs take the answer {"button" (its role), "text", "ticked", "from", "to"};
    /// throws RequestError when it is not such an object.
    explicit CWebDialogs(const Json& answer);

    int ShowAboutBox() override;
    int ShowSiteList(SiteListRequest& request) override;
    int ShowCurrency(CurrencyRequest& request) override;
    int ShowConvert(const ConvertRequest& request) override;

    /// Prepare: the first dialog the handler asked for, as the answer's "dialog" (JSON text);
    /// none when it asked for none.
    const std::optional<std::string>& Shown() const { return shown_; }
    /// Finish: the message of a refused OK (its "staysOpen" set; JSON text); none when OK was
    /// not refused.
    const std::optional<std::string>& Refusal() const { return refusal_; }

private:
    /// The control of the answer's button among those that end the dialog; throws RequestError
    /// when it is none of them.
    int Answer(const std::vector<int>& buttons) const;
    void ApplyTicks(CSiteListModel& model, CLinkList& links) const;
    void Refuse(const OkOutcome& outcome);

    bool finishing_ = false;
    std::string button_; ///< the role of the button that ended the dialog
    std::optional<std::u16string> text_;
    std::optional<std::vector<bool>> ticked_; ///< one per entry; none: as the list opened
    std::optional<std::string> from_;
    std::optional<std::string> to_;
    std::optional<std::string> shown_;
    std::optional<std::string> refusal_;
};

/// Writes the name of a unit or a unit category, or null for none.
template <class Named> void WriteName(JsonWriter& out, const Named* named) {
    if (named)
        out.AnsiText(named->GetName());
    else
        out.Null();
}

/// Writes the currency dialog's list: [{"code", "text"}] in the order it shows them.
void WriteCurrencyList(JsonWriter& out);

} // namespace tandrel::web
