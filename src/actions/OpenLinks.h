// Following a link entry's address: its url opened in a browser window with the size, place and
// bars it asks for, or its href written into the page as a link and clicked.
#pragma once

#include "config/Link.h"
#include "page/PageContext.h"

#include <optional>
#include <string>
#include <string_view>

namespace tandrel {

/// The id of the anchor FollowAnchor writes into the page (a later one on the same page gets
/// "-2", "-3" ... after it).
constexpr std::u16string_view kAnchorId = u"NUBRIX7587";

/// Opens the entry's url: expanded (URL-encoded unless the entry says URLEncoded=no), in the
/// window named windowName, with BuildWindowFeatures; the new window is brought to the front.
/// index is the entry's place among the entries run together. An unencoded address with values
/// of the page in it opens only when it is a web address (IsWebAddress), or a host name as people
/// write one, which opens as its https address (WebAddressOfHost); otherwise nothing opens and a
/// message says which address was not opened and why. A refused open is not reported.
void OpenInWindow(const CLink& link, CPageContext& page, int index);

/// The window feature string for the entry: the flags and the dimensions it gives, or, when it
/// gives none of width, height, left and top, 75% of the screen cascaded by index.
std::u16string BuildWindowFeatures(const CLink& link, const CPageContext& page, int index);

/// One dimension item: prefix and a number of pixels from 0 to total, read from value as a
/// number ("300", "-200" from the far edge) or a percentage ("40%", "-40%" from the far edge);
/// empty for an empty value or one that is neither ("40px", "40 %").
std::u16string FeatureDimension(std::u16string_view prefix, std::string_view value,
                                std::int32_t total);

/// Brings the browser window that shows window to the front; nothing for no window, and nothing
/// when a step of the way there fails.
void BringToFront(const BrowserWindowPtr& window);

/// "https://" and the text without the blanks around it, when the text is a host name on the
/// Internet (IsInternetHostName), optionally with a port, followed by nothing or by a path, query
/// or fragment without blanks: "www.example.org/start", "example.org", "docs.example.org:8080/a".
/// None for anything else.
std::optional<std::u16string> WebAddressOfHost(std::u16string_view text);

/// Whether an address is on the web: its scheme is http, https or ftp in any letter case, after
/// the blanks and control characters a browser skips before it and the tabs and line breaks it
/// drops anywhere.
bool IsWebAddress(std::u16string_view address);

/// Writes the entry's href, as configured, into the page as a link and clicks it, so that the
/// browser follows it with the page as referrer and windowName as target. Each run writes a link
/// of its own. Beeps when the page takes no link or the click fails.
void FollowAnchor(const CLink& link, CPageContext& page);

/// The link's markup, cut to fit 1,023 bytes as the browser is handed it.
std::string AnchorMarkup(std::string_view id, std::string_view href, std::string_view target);

} // namespace tandrel
