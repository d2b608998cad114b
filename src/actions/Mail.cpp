#include "actions/Mail.h"

#include "actions/MacroExpansion.h"
#include "common/Messages.h"
#include "common/TextConversion.h"
#include "resources/StringIds.h"

namespace tandrel {

namespace {

constexpr std::uint32_t kMapiSuccess = 0;
constexpr std::uint32_t kMapiUserAbort = 1;

} // namespace

std::u16string MailtoAddress(const CLink& link, CPageContext& page) {
    Substitution encoded{true, false, link.GetURLCharset()};
    std::u16string address = u"mailto:";
    if (!link.GetMailTo().empty())
        address += ExpandTemplate(link.GetMailTo(), page, encoded);
    const std::pair<std::u16string_view, std::string> query[] = {
        {u"cc=", link.GetMailCC()},
        {u"bcc=", link.GetMailBCC()},
        {u"subject=", link.GetMailSubject()},
        {u"body=", link.GetMailBody()}};
    bool first = true;
    for (const auto& [key, templateText] : query) {
        if (templateText.empty())
            continue;
        address += first ? u"?" : u"&";
        address += key;
        address += ExpandTemplate(templateText, page, encoded);
        first = false;
    }
    return address;
}

MapiMail MapiMessageOf(const CLink& link, CPageContext& page) {
    auto expanded = [&](const std::string& templateText) {
        return WideToAnsi(ExpandTemplate(templateText, page, false));
    };
    MapiMail mail;
    if (!link.GetMailSubject().empty())
        mail.subject = expanded(link.GetMailSubject());
    if (!link.GetMailBody().empty())
        mail.noteText = expanded(link.GetMailBody());
    const std::pair<MapiMail::RecipientClass, std::string> recipients[] = {
        {MapiMail::kTo, link.GetMailTo()},
        {MapiMail::kCc, link.GetMailCC()},
        {MapiMail::kBcc, link.GetMailBCC()}};
    for (const auto& [recipientClass, templateText] : recipients) {
        std::string address = expanded(templateText);
        if (!address.empty())
            mail.recipients.push_back({recipientClass, address});
    }
    return mail;
}

bool SendByMailto(const CLink& link, CPageContext& page) {
    return !Failed(page.GetTopWindow()->Navigate(MailtoAddress(link, page)));
}

bool SendByMapi(const CLink& link, CPageContext& page) {
    std::optional<std::uint32_t> result =
        CurrentPlatform().mail->SendMapiMail(MapiMessageOf(link, page));
    return result && (*result == kMapiSuccess || *result == kMapiUserAbort);
}

void SendMail(const CLink& link, CPageContext& page) {
    if (SendByMailto(link, page) || SendByMapi(link, page))
        return;
    ShowMessageId(0, ids::kNoMailProgram, ids::kProductName, kMbIconExclamation);
}

} // namespace tandrel
