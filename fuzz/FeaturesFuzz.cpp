// A link entry's window features: each dimension read by its rules here ("%f%c": a decimal
// number as single precision, then "%" for a percentage, nothing for pixels, anything else for
// no item), measured from the far edge when negative, cut toward zero and held within the screen;
// and the feature string assembled from the flags, the items and, without any item, the cascade.
//
// The input, one line each: the screen's width and height and the entry's index among those run
// together ("1280 1024 2"); the height, left, top and width values; the first bytes of the values
// of directories, fullScreen, location, menuBar, resizable, scrollBars, status and toolBar.
#include "FuzzSupport.h"

#include "actions/OpenLinks.h"
#include "config/Link.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace tandrel::fuzz {

namespace {

std::u16string Item(std::u16string_view prefix, double pixels) {
    std::string digits = std::to_string(static_cast<std::uint64_t>(pixels));
    return std::u16string(prefix) + std::u16string(digits.begin(), digits.end());
}

std::u16string SlowDimension(std::u16string_view prefix, std::string_view value,
                             std::int32_t total) {
    std::optional<SlowNumber> number = value.empty() ? std::nullopt : SlowReadDecimal(value);
    if (!number)
        return {};
    std::string_view after = value.substr(number->end);
    bool percent = !after.empty() && after[0] == '%';
    if (!after.empty() && !percent)
        return {};
    std::string text(value.substr(number->start, number->end - number->start));
    double read = std::strtof(text.c_str(), nullptr); // "%f" reads a float
    double whole = total;
    double pixels;
    if (percent)
        pixels = read >= 0 ? whole * read * 0.01 : whole - whole * std::fabs(read) * 0.01;
    else
        pixels = read >= 0 ? read : whole - std::fabs(read);
    double cut = std::isnan(pixels) ? 0 : std::trunc(pixels);
    return Item(prefix, std::min(std::max(cut, 0.0), std::max(whole, 0.0)));
}

std::int32_t ReadInt(const char*& text) {
    char* end = nullptr;
    long long value = std::strtoll(text, &end, 10);
    text = end;
    constexpr long long kLow = std::numeric_limits<std::int32_t>::min();
    constexpr long long kHigh = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::min(std::max(value, kLow), kHigh));
}

constexpr std::string_view kFlagKeys[] = {"directories", "fullScreen", "location", "menuBar",
                                          "resizable",   "scrollBars", "status",   "toolBar"};
constexpr bool kFlagDefaults[] = {true, false, true, true, true, true, true, true};
constexpr std::u16string_view kFlagItems[] = {u",directories=", u",fullscreen=", u",location=",
                                              u",menubar=",     u",resizable=",  u",scrollbars=",
                                              u",status=",      u",toolbar="};

void CheckFeatures(std::string_view input) {
    std::vector<std::string_view> lines = Split(input, '\n', 6);
    std::string screen(lines[0]);
    const char* read = screen.c_str();
    std::int32_t width = ReadInt(read);
    std::int32_t height = ReadInt(read);
    int index = static_cast<int>(std::abs(ReadInt(read) % 1000));

    // Each value on its own, against both sides of the screen and a few others.
    constexpr std::string_view kDimensions[] = {"height", "left", "top", "width"};
    for (std::size_t line = 1; line <= 4; ++line) {
        for (std::int32_t total :
             {width, height, 0, 1, 1024, std::numeric_limits<std::int32_t>::max()})
            Require(FeatureDimension(u",x=", lines[line], total) ==
                        SlowDimension(u",x=", lines[line], total),
                    "a dimension: pixels or a percentage, from the far edge when negative, held "
                    "within the screen");
    }

    FuzzPlatform platform;
    CConfigSection section("URL:Fuzzed");
    for (std::size_t i = 0; i < 4; ++i)
        section.SetValue(kDimensions[i], std::string(lines[1 + i]));
    std::string_view flags = lines[5];
    bool flag[8];
    for (std::size_t i = 0; i < 8; ++i) {
        flag[i] = kFlagDefaults[i];
        if (i < flags.size()) {
            section.SetValue(kFlagKeys[i], std::string(1, flags[i]));
            if (std::string_view("1TtYy").find(flags[i]) != std::string_view::npos)
                flag[i] = true;
            else if (std::string_view("0FfNn").find(flags[i]) != std::string_view::npos)
                flag[i] = false;
        }
    }
    CLink link;
    link.LoadFromSection(section);
    auto window = std::make_shared<CMemoryWindow>();
    window->screen = ScreenSize{width, height};
    CPageContext page;
    Require(page.Load(window) == kOk, "a window loads");

    std::u16string items[4];
    const std::int32_t totals[] = {height, width, height, width};
    const std::u16string_view prefixes[] = {u",height=", u",left=", u",top=", u",width="};
    bool none = true;
    for (std::size_t i = 0; i < 4; ++i) {
        items[i] = SlowDimension(prefixes[i], lines[1 + i], totals[i]);
        none = none && items[i].empty();
    }
    if (none) {
        // 75% of the screen, cascaded by frame and scroll bar widths, frame and menu heights.
        auto step = [&](std::int32_t total, std::uint32_t size, std::uint32_t parts) {
            std::uint32_t range = static_cast<std::uint32_t>(std::max(total, 0)) / parts;
            return range == 0 ? 0.0 : static_cast<double>(index * size % range);
        };
        items[0] = SlowDimension(u",height=", "75%", height);
        items[3] = SlowDimension(u",width=", "75%", width);
        items[1] = Item(u",left=", step(width, 4 + 17, 5));
        items[2] = Item(u",top=", step(height, 4 + 19, 3));
    }
    auto on = [&](std::size_t i) {
        return std::u16string(kFlagItems[i]) + (flag[i] ? u"1" : u"0");
    };
    std::u16string expected = u"channelmode=0" + on(0) + on(1) + items[0] + items[1] + on(2) +
                              on(3) + on(4) + on(5) + on(6) + u",titlebar=1" + on(7) + items[2] +
                              items[3];
    Require(BuildWindowFeatures(link, page, index) == expected,
            "the features: flags and items in their order, the cascade when no item is given");
}

} // namespace

} // namespace tandrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tandrel::fuzz::CheckFeatures(tandrel::fuzz::AsText(data, size));
    return 0;
}
