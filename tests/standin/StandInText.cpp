#include "StandInText.h"

#include <cstdlib>

namespace tandrel::standin {

namespace {

char16_t LowerAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
}

bool IsSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

bool IsNameChar(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'-' || c == u'_' || c == u':' || c == u'.';
}

// The character of one entity body ("amp", "#38", "#x26"), or none for an unknown entity
// (browsers keep those as written).
std::optional<char16_t> EntityCharacter(std::u16string_view body) {
    static const struct {
        std::u16string_view name;
        char16_t character;
    } kNamed[] = {{u"amp", u'&'}, {u"lt", u'<'}, {u"gt", u'>'}, {u"quot", u'"'}, {u"apos", u'\''}};
    for (const auto& entity : kNamed) {
        if (EqualsNoCase(body, entity.name))
            return entity.character;
    }
    if (body.size() < 2 || body[0] != u'#')
        return std::nullopt;
    bool hex = body[1] == u'x' || body[1] == u'X';
    std::string digits;
    for (char16_t c : body.substr(hex ? 2 : 1)) {
        if (c > 0x7F)
            return std::nullopt;
        digits += static_cast<char>(c);
    }
    if (digits.empty())
        return std::nullopt;
    char* end = nullptr;
    unsigned long code = std::strtoul(digits.c_str(), &end, hex ? 16 : 10);
    if (*end != '\0' || code == 0 || code > 0xFFFF)
        return std::nullopt;
    return static_cast<char16_t>(code);
}

std::u16string DecodeEntities(std::u16string_view text) {
    std::u16string decoded;
    for (size_t i = 0; i < text.size(); ++i) {
        size_t semicolon = text[i] == u'&' ? text.find(u';', i) : std::u16string_view::npos;
        if (semicolon != std::u16string_view::npos && semicolon - i <= 10) {
            if (auto c = EntityCharacter(text.substr(i + 1, semicolon - i - 1))) {
                decoded += *c;
                i = semicolon;
                continue;
            }
        }
        decoded += text[i];
    }
    return decoded;
}

// Reads the attributes of a start tag from position `at` (just after the tag name) up to its
// closing ">", and stores the anchor's four. Returns the position after the tag.
size_t ReadAnchorAttributes(std::u16string_view markup, size_t at, MarkupAnchor& anchor) {
    while (at < markup.size()) {
        while (at < markup.size() && IsSpace(markup[at]))
            ++at;
        if (at >= markup.size())
            break;
        if (markup[at] == u'>')
            return at + 1;
        size_t nameStart = at;
        while (at < markup.size() && IsNameChar(markup[at]))
            ++at;
        if (at == nameStart) { // stray character such as "/" in "<a/>"
            ++at;
            continue;
        }
        std::u16string_view name = markup.substr(nameStart, at - nameStart);
        while (at < markup.size() && IsSpace(markup[at]))
            ++at;
        std::u16string value;
        if (at < markup.size() && markup[at] == u'=') {
            ++at;
            while (at < markup.size() && IsSpace(markup[at]))
                ++at;
            size_t valueStart = at;
            if (at < markup.size() && (markup[at] == u'"' || markup[at] == u'\'')) {
                char16_t quote = markup[at];
                size_t close = markup.find(quote, at + 1);
                if (close == std::u16string_view::npos)
                    close = markup.size();
                value = DecodeEntities(markup.substr(at + 1, close - at - 1));
                at = close < markup.size() ? close + 1 : close;
            } else {
                while (at < markup.size() && !IsSpace(markup[at]) && markup[at] != u'>')
                    ++at;
                value = DecodeEntities(markup.substr(valueStart, at - valueStart));
            }
        }
        // The first of repeated attributes counts, as in browsers.
        if (EqualsNoCase(name, u"id") && !anchor.id)
            anchor.id = value;
        else if (EqualsNoCase(name, u"name") && !anchor.name)
            anchor.name = value;
        else if (EqualsNoCase(name, u"href") && !anchor.href)
            anchor.href = value;
        else if (EqualsNoCase(name, u"target") && !anchor.target)
            anchor.target = value;
    }
    return at;
}

} // namespace

std::u16string TextOf(BSTR text) {
    return text ? std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text))
                : std::u16string();
}

HRESULT AnswerText(const std::optional<std::u16string>& text, BSTR* out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!text)
        return E_FAIL;
    *out = NewBstr(*text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

BSTR NewBstr(std::u16string_view text) {
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                             static_cast<UINT>(text.size()));
}

bool EqualsNoCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

std::u16string HostOfAddress(std::u16string_view address) {
    size_t colon = address.find(u':');
    if (colon == std::u16string_view::npos || address.substr(colon + 1, 2) != u"//")
        return {};
    if (EqualsNoCase(address.substr(0, colon), u"file"))
        return {};
    std::u16string_view rest = address.substr(colon + 3);
    rest = rest.substr(0, rest.find_first_of(u"/?#\\"));
    size_t at = rest.rfind(u'@');
    if (at != std::u16string_view::npos)
        rest = rest.substr(at + 1);
    return std::u16string(rest.substr(0, rest.find(u':')));
}

std::vector<MarkupAnchor> FindAnchors(std::u16string_view markup) {
    std::vector<MarkupAnchor> anchors;
    size_t at = 0;
    while ((at = markup.find(u'<', at)) != std::u16string_view::npos) {
        bool isAnchor = at + 2 <= markup.size() && LowerAscii(markup[at + 1]) == u'a' &&
                        (at + 2 == markup.size() || IsSpace(markup[at + 2]) ||
                         markup[at + 2] == u'>' || markup[at + 2] == u'/');
        if (!isAnchor) {
            ++at;
            continue;
        }
        MarkupAnchor anchor;
        at = ReadAnchorAttributes(markup, at + 2, anchor);
        anchors.push_back(std::move(anchor));
    }
    return anchors;
}

std::u16string EscapeHtml(std::u16string_view text) {
    std::u16string escaped;
    for (char16_t c : text) {
        switch (c) {
        case u'&':
            escaped += u"&amp;";
            break;
        case u'<':
            escaped += u"&lt;";
            break;
        case u'>':
            escaped += u"&gt;";
            break;
        case u'"':
            escaped += u"&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace tandrel::standin
