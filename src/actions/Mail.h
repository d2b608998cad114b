// Composing a link entry's mail in the user's mail program: as a mailto address handed to the
// browser, or, when the browser refuses it, through Simple MAPI and the mail program's compose
// window. Nothing is ever sent without the user.
#pragma once

#include "common/Platform.h"
#include "config/Link.h"
#include "page/PageContext.h"

#include <string>

namespace tandrel {

/// The mailto address: "mailto:", the expanded MailTo, then cc, bcc, subject and body for the
/// fields whose templates are not empty, the first after "?", the others after "&"; every value
/// URL-encoded, the templates' own text as written.
std::u16string MailtoAddress(const CLink& link, CPageContext& page);

/// The Simple MAPI message: subject and note text for non-empty templates, and a recipient for
/// each of MailTo, MailCC and MailBCC whose expansion is not empty; nothing encoded.
MapiMail MapiMessageOf(const CLink& link, CPageContext& page);

/// Hands the mailto address to the top window; true when the browser took it.
bool SendByMailto(const CLink& link, CPageContext& page);

/// Hands the message to Simple MAPI; true when it answered success or that the user cancelled.
bool SendByMapi(const CLink& link, CPageContext& page);

/// The mailto way, else Simple MAPI, else a message that no mail program was found.
void SendMail(const CLink& link, CPageContext& page);

} // namespace tandrel
