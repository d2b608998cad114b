// Templates and what they expand to on one page, shared by the native tests and the Windows
// tests: the DLL's code, on the real platform, must expand them exactly as the native build does.
// The page: top https://www.example.co.uk/, frame http://shop.example.se/ holding the selection
// below; the user's currency symbol is USD.
#pragma once

#include <string_view>

namespace tandrel::test {

constexpr std::u16string_view kSharedTopUrl = u"https://www.example.co.uk/";
constexpr std::u16string_view kSharedTopHost = u"www.example.co.uk";
constexpr std::u16string_view kSharedFrameUrl = u"http://shop.example.se/";
constexpr std::u16string_view kSharedFrameHost = u"shop.example.se";
constexpr std::u16string_view kSharedSelection = u"kr 1.234,50 \u00E9 \u4E2D";

struct SharedExpansion {
    std::string_view templateText;
    bool encode;
    std::u16string_view expected;
};

constexpr SharedExpansion kSharedExpansions[] = {
    {"from=!F&to=!L&amount=!S", true, u"from=SEK&to=USD&amount=kr%201.234%2C50%20%E9%20%20"},
    {"!D|!d|!H|!h\\t!s", false,
     u"example.co.uk|example.se|www.example.co.uk|shop.example.se\tkr 1.234,50 \u00E9 \u4E2D"},
    {"!C", false, u"Veltrane Tandrel tandrel.veltrane.com/"},
    {"caf\xE9\\n!Z!", true, u"caf\u00E9%0D%0A!Z!"},
};

} // namespace tandrel::test
