#include "actions/OpenLinks.h"

#include "actions/MacroExpansion.h"
#include "common/CharClass.h"
#include "common/CharConv.h"
#include "common/DecimalNumber.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/TextConversion.h"
#include "page/HostDomain.h"
#include "resources/StringIds.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace tandrel {

namespace {

// An address as a message quotes it: its first 200 characters.
std::u16string Shortened(std::u16string_view address) {
    constexpr std::size_t kLongest = 200;
    return address.size() <= kLongest ? std::u16string(address)
                                      : std::u16string(address.substr(0, kLongest)) + u"...";
}

constexpr std::size_t kMarkupBufferBytes = 1024;
constexpr std::string_view kAnchorText = "TRANSLATE";
constexpr std::u16string_view kWebSchemes[] = {u"http:", u"https:", u"ftp:"};

std::u16string Flag(std::u16string_view name, bool value) {
    return std::u16string(name) + (value ? u"1" : u"0");
}

std::u16string Number(std::u16string_view prefix, std::uint32_t value) {
    std::string digits = std::to_string(value);
    return std::u16string(prefix) + std::u16string(digits.begin(), digits.end());
}

// The number at the start of text, as a single-precision scan holds it: its decimal text rounded
// once, to the nearest float. Rounding the double that `read` holds would round twice, and a
// text just past halfway between two floats ("16777217.0000000001") would land on the lower one.
// Beyond the float's range, an infinity; below it, zero.
double AsSinglePrecision(std::string_view text, const LeadingDecimal& read) {
    std::string_view number = text.substr(0, read.end);
    number.remove_prefix(std::min(number.find_first_not_of(" \t\n\v\f\r"), number.size()));
    if (!number.empty() && (number.front() == '+' || number.front() == '-'))
        number.remove_prefix(1);
    float value = 0;
    if (ReadDecimal(number, value) == std::errc::result_out_of_range)
        value = std::fabs(read.value) > 1 ? std::numeric_limits<float>::infinity() : 0.0f;
    return std::signbit(read.value) ? -static_cast<double>(value) : value;
}

// A position or size in pixels, cut toward zero and held within 0 to total.
std::uint32_t HeldWithin(double pixels, std::int32_t total) {
    double limit = total > 0 ? total : 0;
    if (!(pixels > 0))
        return 0;
    return static_cast<std::uint32_t>(pixels >= limit ? limit : std::trunc(pixels));
}

// The cascade of windows that give no dimension: each further one a frame and a scroll bar to
// the right and a frame and a menu bar lower, wrapping within the left fifth and the top third.
void Cascade(int index, const CPageContext& page, std::u16string& left, std::u16string& top) {
    IUserInterface& ui = *CurrentPlatform().ui;
    auto step = [&](Metric a, Metric b) {
        return static_cast<std::uint32_t>(ui.SystemMetric(a) + ui.SystemMetric(b));
    };
    auto position = [&](std::uint32_t stepSize, std::int32_t total, std::uint32_t parts) {
        std::uint32_t range = static_cast<std::uint32_t>(total > 0 ? total : 0) / parts;
        // A screen too small to cascade on keeps every window at the edge.
        return range == 0 ? 0u : static_cast<std::uint32_t>(index) * stepSize % range;
    };
    left =
        Number(u",left=", position(step(Metric::kWindowFrameWidth, Metric::kVerticalScrollBarWidth),
                                   page.GetAvailableWidth(), 5));
    top = Number(u",top=", position(step(Metric::kWindowFrameHeight, Metric::kMenuBarHeight),
                                    page.GetAvailableHeight(), 3));
}

// A name for this run's link that no earlier run left in the page.
std::u16string FreeAnchorId(IBrowserWindow& frame) {
    std::u16string id(kAnchorId);
    for (int run = 2; frame.HasAnchor(id); ++run) {
        std::string suffix = "-" + std::to_string(run);
        id = std::u16string(kAnchorId) + std::u16string(suffix.begin(), suffix.end());
    }
    return id;
}

} // namespace

void OpenInWindow(const CLink& link, CPageContext& page, int index) {
    bool encode = link.GetURLEncoded();
    std::u16string address =
        ExpandTemplate(link.GetUrl(), page, Substitution{encode, false, link.GetURLCharset()});
    // Put together from the page unencoded, the address could be anything the browser opens: a
    // script run in the page, a file, a share, a part of the browser itself. Only the web goes,
    // and a host name as people write one ("www.example.org/start") is taken as its https page.
    if (!encode && TakesPageValues(link.GetUrl()) && !IsWebAddress(address)) {
        std::optional<std::u16string> web = WebAddressOfHost(address);
        if (!web) {
            ShowMessage(0, FormatText(ids::kAddressNotOpened, {WideToAnsi(Shortened(address))}),
                        ids::kProductName, kMbIconExclamation);
            return;
        }
        address = *web;
    }
    std::u16string name = AnsiToWide(link.GetWindowName());
    BringToFront(page.GetTopWindow()->Open(address, name, BuildWindowFeatures(link, page, index)));
}

void BringToFront(const BrowserWindowPtr& window) {
    if (window)
        window->BringToFront();
}

std::u16string BuildWindowFeatures(const CLink& link, const CPageContext& page, int index) {
    std::int32_t width = page.GetAvailableWidth(), height = page.GetAvailableHeight();
    std::u16string heightItem = FeatureDimension(u",height=", link.GetHeight(), height);
    std::u16string leftItem = FeatureDimension(u",left=", link.GetLeft(), width);
    std::u16string topItem = FeatureDimension(u",top=", link.GetTop(), height);
    std::u16string widthItem = FeatureDimension(u",width=", link.GetWidth(), width);
    if (heightItem.empty() && leftItem.empty() && topItem.empty() && widthItem.empty()) {
        heightItem = FeatureDimension(u",height=", "75%", height);
        widthItem = FeatureDimension(u",width=", "75%", width);
        Cascade(index, page, leftItem, topItem);
    }
    return u"channelmode=0" + Flag(u",directories=", link.GetDirectories()) +
           Flag(u",fullscreen=", link.GetFullScreen()) + heightItem + leftItem +
           Flag(u",location=", link.GetLocation()) + Flag(u",menubar=", link.GetMenuBar()) +
           Flag(u",resizable=", link.GetResizable()) + Flag(u",scrollbars=", link.GetScrollBars()) +
           Flag(u",status=", link.GetStatus()) + Flag(u",titlebar=", link.GetTitleBar()) +
           Flag(u",toolbar=", link.GetToolBar()) + topItem + widthItem;
}

std::u16string FeatureDimension(std::u16string_view prefix, std::string_view value,
                                std::int32_t total) {
    std::optional<LeadingDecimal> number = ScanLeadingDecimal(value);
    if (value.empty() || !number)
        return {};
    std::string_view after = value.substr(number->end);
    bool percent = !after.empty() && after.front() == '%';
    if (!after.empty() && !percent)
        return {};
    // Read as a single-precision number, then worked out in double precision.
    double read = AsSinglePrecision(value, *number);
    double pixels;
    if (percent)
        pixels = read >= 0 ? total * read * 0.01 : total - total * -read * 0.01;
    else
        pixels = read >= 0 ? read : total - -read;
    return Number(prefix, HeldWithin(pixels, total));
}

std::optional<std::u16string> WebAddressOfHost(std::u16string_view text) {
    std::size_t start = text.find_first_not_of(u" \t\r\n");
    if (start == std::u16string_view::npos)
        return std::nullopt;
    std::size_t end = text.find_last_not_of(u" \t\r\n");
    std::u16string_view address = text.substr(start, end - start + 1);
    std::u16string_view host = address.substr(0, address.find_first_of(u"/?#"));
    // A port after the host name: digits only.
    if (std::size_t colon = host.find(u':'); colon != std::u16string_view::npos) {
        std::u16string_view port = host.substr(colon + 1);
        if (port.empty() || port.size() > 5 ||
            !std::all_of(port.begin(), port.end(), [](char16_t c) { return IsAsciiDigit(c); }))
            return std::nullopt;
        host = host.substr(0, colon);
    }
    if (!IsInternetHostName(host) || address.find_first_of(u" \t\r\n") != std::u16string_view::npos)
        return std::nullopt;
    return u"https://" + std::u16string(address);
}

bool IsWebAddress(std::u16string_view address) {
    // Browsers skip leading blanks and control characters and drop tabs and line breaks anywhere.
    constexpr std::size_t kLongestScheme = 6;
    std::u16string scheme;
    for (char16_t c : address) {
        if (c == u'\t' || c == u'\n' || c == u'\r' || (scheme.empty() && c <= u' '))
            continue;
        scheme += ToAsciiLower(c);
        if (c == u':' || scheme.size() == kLongestScheme)
            break;
    }
    for (std::u16string_view web : kWebSchemes) {
        if (scheme == web)
            return true;
    }
    return false;
}

std::string AnchorMarkup(std::string_view id, std::string_view href, std::string_view target) {
    std::string markup = "<A ID=\"" + std::string(id) + "\" HREF=\"" + std::string(href) + "\"";
    if (!target.empty())
        markup += " TARGET=\"" + std::string(target) + "\"";
    markup += ">" + std::string(kAnchorText) + "</A>";
    if (markup.size() >= kMarkupBufferBytes)
        markup.resize(kMarkupBufferBytes - 1);
    return markup;
}

void FollowAnchor(const CLink& link, CPageContext& page) {
    IBrowserWindow& frame = *page.GetFrameWindow();
    if (!frame.HasBody()) {
        CurrentPlatform().ui->Beep(kMbIconExclamation);
        return;
    }
    std::u16string id = FreeAnchorId(frame);
    std::u16string markup =
        AnsiToWide(AnchorMarkup(WideToAnsi(id), link.GetHref(), link.GetWindowName()));
    if (!frame.InsertAtBodyEnd(markup) || !frame.ClickAnchor(id))
        CurrentPlatform().ui->Beep(kMbIconExclamation);
}

} // namespace tandrel
