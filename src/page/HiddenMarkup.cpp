#include "page/HiddenMarkup.h"

#include "common/CharClass.h"

#include <algorithm>

namespace tandrel {

namespace {

// The elements that have no content and no end tag.
constexpr std::u16string_view kVoidElements[] = {u"area",  u"base",   u"br",    u"col",  u"embed",
                                                 u"hr",    u"img",    u"input", u"link", u"meta",
                                                 u"param", u"source", u"track", u"wbr"};

bool IsMarkupSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

std::u16string Lowered(std::u16string_view text) {
    std::u16string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](char16_t c) { return ToAsciiLower(c); });
    return lowered;
}

std::u16string_view Trimmed(std::u16string_view text) {
    while (!text.empty() && IsMarkupSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsMarkupSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Whether an inline style hides its element: a declaration display:none, or visibility:hidden
// or collapse, "!important" or not. Later declarations are not weighed against earlier ones: a
// page that writes both has hidden something.
bool StyleHides(std::u16string_view style) {
    std::u16string lowered = Lowered(style);
    std::u16string_view rest = lowered;
    while (!rest.empty()) {
        std::size_t end = std::min(rest.find(u';'), rest.size());
        std::u16string_view declaration = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        std::size_t colon = declaration.find(u':');
        if (colon == std::u16string_view::npos)
            continue;
        std::u16string_view property = Trimmed(declaration.substr(0, colon));
        std::u16string_view value = Trimmed(declaration.substr(colon + 1));
        if (std::size_t bang = value.find(u'!'); bang != std::u16string_view::npos)
            value = Trimmed(value.substr(0, bang));
        if ((property == u"display" && value == u"none") ||
            (property == u"visibility" && (value == u"hidden" || value == u"collapse")))
            return true;
    }
    return false;
}

bool AttributeHides(std::u16string_view name, std::u16string_view value) {
    if (name == u"hidden")
        return true;
    if (name == u"aria-hidden")
        return Lowered(Trimmed(value)) == u"true";
    return name == u"style" && StyleHides(value);
}

// One piece of markup starting at a "<".
struct Tag {
    enum Kind { kText, kOther, kStart, kEnd };
    Kind kind = kText;
    std::size_t end = 0; ///< just past the piece
    std::u16string name; ///< lowered; kStart and kEnd
    bool closed = false; ///< kStart: ends in "/>", or an element without content
    bool hides = false;  ///< kStart: the element is marked hidden
};

// The attributes of a start tag from at to its ">": whether they mark it hidden.
void ReadAttributes(std::u16string_view html, std::size_t at, Tag& tag) {
    const std::size_t size = html.size();
    while (at < size) {
        char16_t c = html[at];
        if (c == u'>') {
            tag.closed = tag.closed || html[at - 1] == u'/';
            tag.end = at + 1;
            return;
        }
        if (IsMarkupSpace(c) || c == u'/') {
            ++at;
            continue;
        }
        std::size_t nameStart = at++;
        while (at < size && !IsMarkupSpace(html[at]) && html[at] != u'/' && html[at] != u'>' &&
               html[at] != u'=')
            ++at;
        std::u16string name = Lowered(html.substr(nameStart, at - nameStart));
        while (at < size && IsMarkupSpace(html[at]))
            ++at;
        std::u16string_view value;
        if (at < size && html[at] == u'=') {
            ++at;
            while (at < size && IsMarkupSpace(html[at]))
                ++at;
            if (at < size && (html[at] == u'"' || html[at] == u'\'')) {
                std::size_t close = html.find(html[at], at + 1);
                close = std::min(close, size);
                value = html.substr(at + 1, close - at - 1);
                at = std::min(close + 1, size);
            } else {
                std::size_t valueStart = at;
                while (at < size && !IsMarkupSpace(html[at]) && html[at] != u'>')
                    ++at;
                value = html.substr(valueStart, at - valueStart);
            }
        }
        tag.hides = tag.hides || AttributeHides(name, value);
    }
    tag.end = size;
}

Tag ReadTag(std::u16string_view html, std::size_t lt) {
    const std::size_t size = html.size();
    Tag tag;
    tag.end = lt + 1;
    if (lt + 1 >= size)
        return tag;
    char16_t next = html[lt + 1];
    if (next == u'!') {
        // A comment runs to "-->", a declaration to ">": neither holds tags.
        tag.kind = Tag::kOther;
        bool comment = html.substr(lt, 4) == u"<!--";
        std::size_t close = comment ? html.find(u"-->", lt + 4) : html.find(u'>', lt + 2);
        tag.end = close == std::u16string_view::npos ? size : close + (comment ? 3 : 1);
        return tag;
    }
    bool isEnd = next == u'/';
    std::size_t nameStart = lt + (isEnd ? 2 : 1);
    if (nameStart >= size || !IsAsciiLetter(html[nameStart]))
        return tag;
    std::size_t at = nameStart;
    while (at < size && !IsMarkupSpace(html[at]) && html[at] != u'/' && html[at] != u'>')
        ++at;
    tag.name = Lowered(html.substr(nameStart, at - nameStart));
    if (isEnd) {
        tag.kind = Tag::kEnd;
        std::size_t close = html.find(u'>', at);
        tag.end = close == std::u16string_view::npos ? size : close + 1;
        return tag;
    }
    tag.kind = Tag::kStart;
    tag.closed = std::find(std::begin(kVoidElements), std::end(kVoidElements), tag.name) !=
                 std::end(kVoidElements);
    ReadAttributes(html, at, tag);
    return tag;
}

} // namespace

std::u16string WithoutHiddenElements(std::u16string_view html) {
    std::u16string visible;
    visible.reserve(html.size());
    // While depth is above 0, a hidden element named skipped is open: its content is left out,
    // elements of the same name inside it counted so that its own end tag ends it.
    std::u16string skipped;
    std::size_t depth = 0;
    std::size_t at = 0;
    while (at < html.size()) {
        std::size_t lt = std::min(html.find(u'<', at), html.size());
        if (depth == 0)
            visible.append(html.substr(at, lt - at));
        if (lt == html.size())
            break;
        Tag tag = ReadTag(html, lt);
        if (depth > 0) {
            if (tag.kind == Tag::kEnd && tag.name == skipped)
                --depth;
            else if (tag.kind == Tag::kStart && !tag.closed && tag.name == skipped)
                ++depth;
        } else if (tag.kind == Tag::kStart && tag.hides) {
            if (!tag.closed) {
                skipped = tag.name;
                depth = 1;
            }
        } else {
            visible.append(html.substr(lt, tag.end - lt));
        }
        at = tag.end;
    }
    return visible;
}

} // namespace tandrel
