// Text helpers of the browser stand-in: BSTRs, addresses and the few pieces of HTML a page
// receives (anchors inserted into its body).
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandrel::standin {

/// A text as the system's wide-character calls take it (UTF-16 on Windows).
inline const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

/// A BSTR's text; a null BSTR is the empty text.
std::u16string TextOf(BSTR text);

/// A new BSTR holding the text, owned by the caller (as a property getter hands it out).
BSTR NewBstr(std::u16string_view text);

/// Hands out a text as a property getter does, or fails with E_FAIL when the page has none.
HRESULT AnswerText(const std::optional<std::u16string>& text, BSTR* out);

/// True when a and b are equal without regard to the case of ASCII letters.
bool EqualsNoCase(std::u16string_view a, std::u16string_view b);

/// The host name of an address as location.hostname gives it: the part after "scheme://" up
/// to the first "/", "?", "#" or ":" (user information dropped); empty for addresses without
/// "//" after the scheme and for file addresses.
std::u16string HostOfAddress(std::u16string_view address);

/// One <A> element found in markup, with its attribute values (entities decoded).
struct MarkupAnchor {
    std::optional<std::u16string> id;
    std::optional<std::u16string> name;
    std::optional<std::u16string> href;
    std::optional<std::u16string> target;
};

/// Every <A ...> start tag of the markup in order of appearance. Tag and attribute names are
/// matched without regard to case; values may be double-quoted, single-quoted or bare.
std::vector<MarkupAnchor> FindAnchors(std::u16string_view markup);

/// The text with &, <, > and " written as HTML entities (what htmlText gives for plain text).
std::u16string EscapeHtml(std::u16string_view text);

} // namespace tandrel::standin
