// Templates expanded against a fuzzed page: every template line of the input, URL-encoded or not,
// console-safe or not, in either charset and for a command line or not (one of these ways an
// input, by its length), must give what the macro and escape tables give when read one byte at a
// time (FuzzSupport.h); a console-safe expansion of a template
// whose own text holds no breaker holds none at all; the page's derived values keep their rules.
//
// The input: template lines, a NUL byte, then the page fields (FuzzSupport.h).
#include "FuzzSupport.h"

#include "page/HostDomain.h"

#include <string>
#include <string_view>

namespace tandrel::fuzz {

namespace {

// variant: which way the values are written (bit 0 encoded, 1 console-safe, 2 UTF-8, 3 for a
// command line); one way an input, so that every input is cheap and the fuzzer reaches every way
// by the input's length.
void CheckExpansion(std::string_view text, CPageContext& page, unsigned variant) {
    const bool encode = (variant & 1) != 0;
    const bool consoleSafe = (variant & 2) != 0;
    const bool utf8 = (variant & 4) != 0;
    const bool commandLine = (variant & 8) != 0;
    UrlCharset charset = utf8 ? UrlCharset::Utf8 : UrlCharset::Windows1252;
    Require(ExpandTemplate(text, page, Substitution{encode, consoleSafe, charset, commandLine}) ==
                SlowExpand(text, page, encode, consoleSafe, utf8, commandLine),
            "a template expands by the macro and escape tables");
    Require(ExpandTemplate(text, page, encode) == SlowExpand(text, page, encode, false),
            "the encode flag alone is a plain substitution");
    for (std::size_t at = 0; at + 1 < text.size(); ++at) {
        if (text[at] == '!' || text[at] == '\\') {
            if (text[at] == '!')
                Require(ExpandMacro(text[at + 1], page) == SlowMacroValue(text[at + 1], page),
                        "a macro's value is its row of the table");
            ++at;
        }
    }

    std::string clean = CleanTemplate(text, [](char c) {
        return !IsConsoleBreaker(static_cast<unsigned char>(c)) && !IsConsoleExpander(c);
    });
    for (char16_t c : ExpandTemplate(clean, page, Substitution{false, true}))
        Require(!IsConsoleBreaker(c) && !IsConsoleExpander(c),
                "no unencoded value brings a quote, & | < > ^, a line break, % or NUL");
    for (char16_t c : ExpandTemplate(clean, page, Substitution{true, true}))
        Require(!IsConsoleBreaker(c) && c != u'\0',
                "no encoded value brings a quote, & | < > ^, a line break or NUL");
}

std::u16string SlowCollapse(std::u16string_view text) {
    std::u16string collapsed;
    std::size_t at = 0;
    for (;;) {
        while (at < text.size() && IsWideSpace(text[at]))
            ++at;
        if (at == text.size())
            return collapsed;
        std::size_t end = at;
        while (end < text.size() && !IsWideSpace(text[end]))
            ++end;
        if (!collapsed.empty())
            collapsed += u' ';
        collapsed += text.substr(at, end - at);
        at = end;
    }
}

// The registrable domain is the host or the labels after one of its dots.
void CheckDomain(std::u16string_view host, std::u16string_view domain) {
    Require(domain.size() <= host.size() && host.substr(host.size() - domain.size()) == domain,
            "a domain ends its host name");
    Require(domain.size() == host.size() ||
                (domain.size() < host.size() && host[host.size() - domain.size() - 1] == u'.'),
            "a domain is the whole host or starts after a dot");
    if (host.find(u'.') == std::u16string_view::npos ||
        host.find_first_not_of(u"0123456789.") == std::u16string_view::npos)
        Require(domain == host, "a host without a dot, or numeric, is its own domain");
}

void CheckPage(CPageContext& page) {
    Require(page.GetCollapsedSelection() == SlowCollapse(page.GetSelection()),
            "the collapsed selection is its words joined by one blank");
    Require(UrlEncode(page.GetSelection()) == SlowUrlEncode(page.GetSelection()),
            "UrlEncode keeps its rules");
    Require(UrlEncode(page.GetSelection(), UrlCharset::Utf8) ==
                SlowUrlEncode(page.GetSelection(), true),
            "UrlEncode keeps its rules in UTF-8");
    CheckDomain(page.GetTopHostName(), page.GetTopDomain());
    CheckDomain(page.GetFrameHostName(), page.GetFrameDomain());
    Require(DomainOfHost(page.GetTopHostName()) == page.GetTopDomain(), "the top's domain");
}

} // namespace

} // namespace tandrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tandrel;
    static fuzz::FuzzPlatform platform;
    fuzz::TemplatesAndPage input(fuzz::AsText(data, size));
    fuzz::FuzzPage page(platform.platform, input.page);
    fuzz::CheckPage(page.page);
    for (std::string_view text : input.templates)
        fuzz::CheckExpansion(text, page.page, static_cast<unsigned>(size % 16));
    return 0;
}
