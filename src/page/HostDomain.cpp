#include "page/HostDomain.h"

#include "common/CharClass.h"

#include <algorithm>

namespace tandrel {

namespace {

struct TopLevelDomain {
    std::u16string_view label;
    int labels; ///< trailing labels that make a registrable domain under it
};

// By label in ascending order of code units.
constexpr TopLevelDomain kTopLevelDomains[] = {
    {u"ad", 2},  {u"ae", 3}, {u"ag", 2},  {u"am", 2}, {u"ar", 3},  {u"at", 3}, {u"au", 3},
    {u"ba", 3},  {u"bb", 2}, {u"be", 2},  {u"bg", 2}, {u"bo", 3},  {u"br", 3}, {u"ca", 2},
    {u"ch", 2},  {u"cl", 2}, {u"cn", 3},  {u"co", 3}, {u"com", 2}, {u"cr", 3}, {u"cy", 3},
    {u"cz", 2},  {u"de", 2}, {u"dk", 2},  {u"dm", 2}, {u"do", 2},  {u"ec", 3}, {u"edu", 2},
    {u"ee", 2},  {u"eg", 3}, {u"es", 2},  {u"fi", 2}, {u"fj", 3},  {u"fr", 2}, {u"gh", 3},
    {u"gov", 2}, {u"gr", 2}, {u"gt", 3},  {u"hk", 3}, {u"hn", 2},  {u"hr", 2}, {u"hu", 2},
    {u"id", 3},  {u"ie", 2}, {u"il", 3},  {u"in", 3}, {u"is", 2},  {u"it", 2}, {u"jm", 3},
    {u"jo", 3},  {u"jp", 3}, {u"ke", 3},  {u"kr", 3}, {u"kw", 3},  {u"lb", 3}, {u"li", 2},
    {u"lt", 2},  {u"lu", 2}, {u"lv", 2},  {u"mc", 2}, {u"mil", 2}, {u"mk", 3}, {u"mt", 3},
    {u"mx", 3},  {u"my", 3}, {u"net", 2}, {u"ni", 3}, {u"nl", 2},  {u"no", 2}, {u"nz", 3},
    {u"org", 2}, {u"pa", 3}, {u"pe", 3},  {u"pg", 3}, {u"ph", 3},  {u"pk", 3}, {u"pl", 2},
    {u"pt", 2},  {u"py", 3}, {u"ro", 2},  {u"ru", 2}, {u"sa", 3},  {u"se", 2}, {u"sg", 3},
    {u"si", 2},  {u"sk", 2}, {u"su", 2},  {u"sv", 3}, {u"th", 3},  {u"tr", 3}, {u"tt", 3},
    {u"tw", 3},  {u"ua", 3}, {u"ug", 3},  {u"uk", 3}, {u"us", 4},  {u"uy", 3}, {u"ve", 3},
    {u"yu", 3},  {u"za", 3}, {u"zw", 3},
};
static_assert(std::size(kTopLevelDomains) == 101);

constexpr int kDefaultLabels = 2;

// Top-level domains the table above leaves to the default, known here so that a host name under
// one is recognised as on the Internet. In ascending order.
constexpr std::u16string_view kOtherTopLevelDomains[] = {
    u"aero",  u"ai",   u"app",   u"asia", u"biz",    u"blog",   u"cat",    u"cc",
    u"cloud", u"coop", u"dev",   u"eu",   u"gg",     u"info",   u"int",    u"io",
    u"jobs",  u"ly",   u"me",    u"mobi", u"museum", u"name",   u"online", u"pro",
    u"shop",  u"site", u"store", u"tech", u"tel",    u"travel", u"tv",     u"xyz"};

const TopLevelDomain* FindTopLevel(std::u16string_view topLevel) {
    const TopLevelDomain* end = std::end(kTopLevelDomains);
    const TopLevelDomain* found = std::lower_bound(
        std::begin(kTopLevelDomains), end, topLevel,
        [](const TopLevelDomain& entry, std::u16string_view label) { return entry.label < label; });
    return found != end && found->label == topLevel ? found : nullptr;
}

int LabelsUnder(std::u16string_view topLevel) {
    const TopLevelDomain* found = FindTopLevel(topLevel);
    return found ? found->labels : kDefaultLabels;
}

bool IsHostLabel(std::u16string_view label) {
    return !label.empty() && label.size() <= 63 && label.front() != u'-' && label.back() != u'-' &&
           std::all_of(label.begin(), label.end(),
                       [](char16_t c) { return IsAsciiAlphanumeric(c) || c == u'-'; });
}

bool IsNumericAddress(std::u16string_view host) {
    return std::all_of(host.begin(), host.end(),
                       [](char16_t c) { return c == u'.' || IsAsciiDigit(c); });
}

} // namespace

std::u16string DomainOfHost(std::u16string_view host) {
    std::size_t lastDot = host.rfind(u'.');
    if (IsNumericAddress(host) || lastDot == std::u16string_view::npos)
        return std::u16string(host);
    int wanted = LabelsUnder(host.substr(lastDot + 1));
    int dots = 0;
    for (std::size_t at = host.size(); at-- > 0;) {
        if (host[at] == u'.' && ++dots == wanted)
            return std::u16string(host.substr(at + 1));
    }
    return std::u16string(host);
}

bool IsInternetHostName(std::u16string_view text) {
    std::size_t lastDot = text.rfind(u'.');
    if (lastDot == std::u16string_view::npos || text.size() > 253)
        return false;
    std::u16string topLevel;
    for (char16_t c : text.substr(lastDot + 1))
        topLevel += ToAsciiLower(c);
    if (!FindTopLevel(topLevel) &&
        !std::binary_search(std::begin(kOtherTopLevelDomains), std::end(kOtherTopLevelDomains),
                            std::u16string_view(topLevel)))
        return false;
    for (std::size_t start = 0;;) {
        std::size_t dot = std::min(text.find(u'.', start), text.size());
        if (!IsHostLabel(text.substr(start, dot - start)))
            return false;
        if (dot == text.size())
            return true;
        start = dot + 1;
    }
}

std::u16string TopLevelLabelOr(std::u16string_view host, std::u16string_view none) {
    std::size_t lastDot = host.rfind(u'.');
    return std::u16string(lastDot == std::u16string_view::npos ? none : host.substr(lastDot + 1));
}

std::u16string HostNameOfUrl(std::u16string_view url) {
    std::size_t colon = url.find(u':');
    if (colon == std::u16string::npos || url.compare(colon, 3, u"://") != 0)
        return {};
    std::u16string scheme;
    for (std::size_t i = 0; i < colon; ++i)
        scheme += ToAsciiLower(url[i]);
    if (scheme == u"file")
        return {};
    std::size_t start = colon + 3;
    std::size_t end = url.find_first_of(u"/?#\\", start);
    std::u16string authority(url.substr(start, end == std::u16string::npos ? end : end - start));
    std::size_t at = authority.rfind(u'@');
    if (at != std::u16string::npos)
        authority.erase(0, at + 1);
    std::size_t portColon = authority.rfind(u':');
    std::size_t bracket = authority.rfind(u']');
    if (portColon != std::u16string::npos &&
        (bracket == std::u16string::npos || portColon > bracket))
        authority.erase(portColon);
    for (char16_t& ch : authority)
        ch = ToAsciiLower(ch);
    return authority;
}

} // namespace tandrel
