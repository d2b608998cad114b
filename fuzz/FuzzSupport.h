// What the fuzz targets share: stopping on a broken promise, cutting an input into fields, a fresh
// in-memory platform and page per input, and slow readings of the rules that more than one target
// compares the code against (the decimal number grammar, template expansion, URL-encoding).
#pragma once

#include "actions/MacroExpansion.h"
#include "common/MemoryPlatform.h"
#include "common/TextConversion.h"
#include "conversions/Currency.h"
#include "conversions/Units.h"
#include "page/MemoryBrowser.h"
#include "page/PageContext.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tandrel::fuzz {

// ---- stopping

/// Names the broken promise before stopping, so that a crash file is easy to understand.
inline void Require(bool holds, const char* promise) {
    if (holds)
        return;
    std::fprintf(stderr, "broken invariant: %s\n", promise);
    __builtin_trap();
}

// ---- inputs

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return std::string_view(reinterpret_cast<const char*>(data), size);
}

/// text cut at every separator; at least count fields, the missing ones empty.
inline std::vector<std::string_view> Split(std::string_view text, char separator,
                                           std::size_t count = 0) {
    std::vector<std::string_view> fields;
    for (;;) {
        std::size_t at = text.find(separator);
        fields.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            break;
        text.remove_prefix(at + 1);
    }
    if (fields.size() < count)
        fields.resize(count);
    return fields;
}

/// The bytes as UTF-16 code units, two bytes each, least significant first: every code unit a
/// page can hold, lone surrogates included. An odd last byte is dropped.
inline std::u16string RawUtf16(std::string_view bytes) {
    std::u16string text;
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
    }
    return text;
}

/// The text with the ASCII letters of one case (first..first + 25) moved to the other (to..).
inline std::string Recased(std::string_view text, char first, char to) {
    std::string out(text);
    for (char& c : out) {
        if (c >= first && c <= first + 25)
            c = static_cast<char>(c - first + to);
    }
    return out;
}

inline std::string AsciiUpper(std::string_view text) {
    return Recased(text, 'a', 'A');
}

inline std::string AsciiLowered(std::string_view text) {
    return Recased(text, 'A', 'a');
}

// ---- the platform and the page

/// A fresh in-memory platform, installed for as long as it lives; text may replace its code page.
class FuzzPlatform {
public:
    explicit FuzzPlatform(IText* text = nullptr) : installed_(View(platform, text)) {}
    CMemoryPlatform platform;

private:
    static Platform View(CMemoryPlatform& platform, IText* text) {
        Platform view = platform.View();
        if (text)
            view.text = text;
        return view;
    }
    ScopedPlatform installed_;
};

/// A field's text: UTF-8, with the two bytes C0 80 for a NUL (as modified UTF-8 writes it), since a
/// NUL byte separates the fields.
inline std::u16string FieldText(std::string_view utf8) {
    std::u16string text;
    for (;;) {
        std::size_t nul = utf8.find("\xC0\x80");
        text += Utf8ToWide(utf8.substr(0, nul));
        if (nul == std::string_view::npos)
            return text;
        text += u'\0';
        utf8.remove_prefix(nul + 2);
    }
}

/// The page fields an input gives after its first NUL byte, NUL-separated, in this order (each as
/// FieldText); missing ones are empty. The last one is the locale's currency symbol; without it,
/// asking the locale fails.
enum PageField : std::size_t {
    kSelection,
    kSelectionHtml,
    kFrameHref,
    kFrameHost,
    kFrameTitle,
    kFrameName,
    kTopHref,
    kTopHost,
    kTopTitle,
    kTopName,
    kLocaleSymbol,
    kPageFieldCount
};

/// A frame in a top-level window, both filled from the fields, and the page context of a command
/// started in the frame.
struct FuzzPage {
    std::shared_ptr<CMemoryWindow> top = std::make_shared<CMemoryWindow>();
    std::shared_ptr<CMemoryWindow> frame = top->MakeFrame();
    CPageContext page;

    FuzzPage(CMemoryPlatform& platform, std::string_view fields) {
        std::vector<std::string_view> field = Split(fields, '\0');
        bool localeGiven = field.size() > kLocaleSymbol;
        field.resize(std::max<std::size_t>(field.size(), kPageFieldCount));
        auto wide = [&](PageField which) {
            return FieldText(field[which]);
        };
        frame->selection = SelectionText{wide(kSelection), wide(kSelectionHtml)};
        frame->href = wide(kFrameHref);
        frame->hostName = wide(kFrameHost);
        frame->title = wide(kFrameTitle);
        frame->name = wide(kFrameName);
        top->href = wide(kTopHref);
        top->hostName = wide(kTopHost);
        top->title = wide(kTopTitle);
        top->name = wide(kTopName);
        top->screen = ScreenSize{1280, 1024};
        platform.locale.currencySymbol =
            localeGiven ? std::optional<std::string>(field[kLocaleSymbol]) : std::nullopt;
        Require(page.Load(frame) == kOk, "a page with a top window loads");
    }
};

/// An input of a target that expands templates: the lines before the first NUL byte are
/// templates (configuration text, one line each), the rest is the page.
struct TemplatesAndPage {
    std::vector<std::string_view> templates;
    std::string_view page;

    explicit TemplatesAndPage(std::string_view input, std::size_t count = 0) {
        std::size_t nul = input.find('\0');
        templates = Split(input.substr(0, nul), '\n', count);
        page = nul == std::string_view::npos ? std::string_view() : input.substr(nul + 1);
    }
};

// ---- numbers

/// A decimal number as the grammar reads it, by the slow road: where its text starts (after the
/// blanks, at its sign), where it ends, and its value as the C library reads that text.
struct SlowNumber {
    std::size_t start;
    std::size_t end;
    double value;
};

inline bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

/// Blanks, an optional sign, digits with an optional "." fraction (one digit at least), and an
/// exponent only when digits follow its "e" and optional sign.
inline std::optional<SlowNumber> SlowReadDecimal(std::string_view text) {
    auto digitsFrom = [&](std::size_t at) {
        std::size_t count = 0;
        while (at + count < text.size() && IsAsciiDigit(text[at + count]))
            ++count;
        return count;
    };
    std::size_t at = 0;
    while (at < text.size() && std::string_view(" \t\n\v\f\r").find(text[at]) != std::string::npos)
        ++at;
    std::size_t start = at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
    std::size_t whole = digitsFrom(at);
    at += whole;
    std::size_t fraction = 0;
    if (at < text.size() && text[at] == '.') {
        fraction = digitsFrom(at + 1);
        at += 1 + fraction;
    }
    if (whole + fraction == 0)
        return std::nullopt;
    std::size_t end = at;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t sign = at + 1 < text.size() && (text[at + 1] == '+' || text[at + 1] == '-');
        std::size_t exponent = digitsFrom(at + 1 + sign);
        if (exponent > 0)
            end = at + 1 + sign + exponent;
    }
    std::string number(text.substr(start, end - start));
    return SlowNumber{start, end, std::strtod(number.c_str(), nullptr)};
}

/// The same value, the same sign of zero.
inline bool SameNumber(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

// ---- units

/// The unit lookup by its rules, over an index of aliases (in byte order, equal ones in the order
/// added): at every length from the longest, the start of the text as written, then lowered,
/// against every alias; the first alias equal to it answers.
inline const CUnit* SlowFindUnit(const std::vector<std::pair<std::string, const CUnit*>>& index,
                                 std::string_view text) {
    std::size_t longest = 0;
    for (const auto& entry : index)
        longest = std::max(longest, entry.first.size());
    std::string lowered = AsciiLowered(text);
    for (std::size_t length = std::min(text.size(), longest); length > 0; --length) {
        for (std::string_view start :
             {text.substr(0, length), std::string_view(lowered).substr(0, length)}) {
            for (const auto& [alias, unit] : index) {
                if (alias == start)
                    return unit;
            }
        }
    }
    return nullptr;
}

// ---- templates

/// The bytes a character stands for, by the charset's rules: UTF-8's one to four (a lone
/// surrogate U+FFFD's, a pair one character); Windows-1252's one, the byte whose character it is
/// (the five bytes the code page leaves unassigned stand for the control characters of their own
/// code), a blank for a character no byte stands for (a pair one blank).
inline std::string SlowCharsetBytes(std::u16string_view text, bool utf8) {
    // The characters of Windows-1252's bytes 0x80 to 0x9F.
    constexpr std::u16string_view kHigh =
        u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u008D"
        u"\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A"
        u"\u0153\u009D\u017E\u0178";
    auto characterOfByte = [&](unsigned byte) -> char32_t {
        return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : byte;
    };
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        char32_t c = text[at];
        bool high = c >= 0xD800 && c < 0xDC00;
        if (high && at + 1 < text.size() && text[at + 1] >= 0xDC00 && text[at + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++at] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = utf8 ? 0xFFFD : 0x10000;
        if (!utf8) {
            char byte = ' ';
            for (unsigned candidate = 0; candidate < 256; ++candidate) {
                if (characterOfByte(candidate) == c)
                    byte = static_cast<char>(candidate);
            }
            out += byte;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            int length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
            constexpr unsigned char kLead[] = {0, 0, 0xC0, 0xE0, 0xF0};
            for (int k = 0; k < length; ++k) {
                int shift = 6 * (length - 1 - k);
                unsigned bits = (c >> shift) & (k == 0 ? 0x3F >> (length - 1) : 0x3F);
                out += static_cast<char>((k == 0 ? kLead[length] : 0x80) | bits);
            }
        }
    }
    return out;
}

/// URL-encoding by its rules: unreserved characters stay, every other byte of the charset
/// becomes "%XX" with capital digits; for an interpreter's line, "#XX", with "!" encoded too.
inline std::u16string SlowUrlEncode(std::u16string_view text, bool utf8 = false,
                                    bool forInterpreter = false) {
    std::u16string out;
    for (char byte : SlowCharsetBytes(text, utf8)) {
        unsigned char c = static_cast<unsigned char>(byte);
        bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                          (c >= '0' && c <= '9') ||
                          std::string_view(forInterpreter ? "'()*-._~" : "!'()*-._~").find(byte) !=
                              std::string_view::npos;
        if (unreserved) {
            out += c;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%c%02X", forInterpreter ? '#' : '%',
                          static_cast<unsigned>(c));
            out += std::u16string(hex, hex + 3);
        }
    }
    return out;
}

/// The characters a command interpreter ends a quoted command or chains another with.
inline bool IsConsoleBreaker(char16_t c) {
    return std::u16string_view(u"\"&|<>^\r\n").find(c) != std::u16string_view::npos;
}

/// What else a value put in unencoded must not bring: "%" and "!", with which the interpreter
/// puts in an environment variable (or a piece of its own command line, a quote) before it reads
/// the quotes, and NUL, which ends the command line with the quotes open.
inline bool IsConsoleExpander(char16_t c) {
    return c == u'%' || c == u'!' || c == u'\0';
}

/// A currency's three letters; USD for none.
inline std::u16string SlowCurrencyCode(const CCurrency* currency) {
    std::string_view code = currency ? currency->code : "USD";
    return std::u16string(code.begin(), code.end());
}

/// The value of one macro, straight from the macro table: the rows that read the page, then the
/// others.
inline std::u16string SlowMacroValue(char macro, CPageContext& page) {
    using Read = std::u16string (CPageContext::*)() const;
    static const std::pair<std::string_view, Read> kPageRows[] = {
        {"D", &CPageContext::GetTopDomain},          {"d", &CPageContext::GetFrameDomain},
        {"H", &CPageContext::GetTopHostName},        {"h", &CPageContext::GetFrameHostName},
        {"Oo", &CPageContext::GetSelectionHtml},     {"S", &CPageContext::GetSelection},
        {"s", &CPageContext::GetCollapsedSelection}, {"T", &CPageContext::GetTopTitle},
        {"t", &CPageContext::GetFrameTitle},         {"U", &CPageContext::GetTopAddress},
        {"u", &CPageContext::GetFrameAddress},       {"W", &CPageContext::GetTopName},
        {"w", &CPageContext::GetFrameName}};
    for (const auto& [letters, read] : kPageRows) {
        if (letters.find(macro) != std::string_view::npos)
            return (page.*read)();
    }
    std::u16string selection = page.GetSelection();
    switch (macro) {
    case '!':
        return u"!";
    case '-':
        return selection.substr(0, selection.empty() ? 0 : selection.size() - 1);
    case 'C':
    case 'c':
        return CreditText();
    case 'F':
    case 'f':
        return SlowCurrencyCode(page.GetFromCurrency());
    case 'I':
    case 'i':
        return ModuleFolderUrl();
    case 'L':
    case 'l':
        return SlowCurrencyCode(page.GetToCurrency());
    default:
        return {u'!', static_cast<char16_t>(static_cast<unsigned char>(macro))};
    }
}

/// A template expanded by its rules: "!" and a character is a macro, a backslash and a character
/// an escape (unless either stands last); every other byte is the character of its code. Values
/// are encoded when asked (the module folder never), in UTF-8 or Windows-1252; console-safe
/// encodes what the page put in (not the folder, the credit text or "!!") for an interpreter's
/// line, and blanks the breakers in it, and "%", "!" and NUL when not encoded. On a command line,
/// what the page put in loses its quotes and NULs (and what the code page writes as either), a
/// character the code page writes as a backslash becomes one, and the backslashes it ends with are
/// written twice when the next character put in is a quote.
inline std::u16string SlowExpand(std::string_view text, CPageContext& page, bool encode,
                                 bool consoleSafe, bool utf8 = false, bool commandLine = false) {
    struct Part {
        std::u16string text;
        bool fromPage = false;
    };
    std::vector<Part> parts;
    for (std::size_t at = 0; at < text.size(); ++at) {
        char c = text[at];
        if ((c == '!' || c == '\\') && at + 1 < text.size()) {
            char next = text[++at];
            std::u16string value;
            bool fromPage = false;
            if (c == '\\') {
                value = next == 'n'   ? u"\r\n"
                        : next == 's' ? u" "
                        : next == 't' ? u"\t"
                                      : std::u16string(1, static_cast<char16_t>(
                                                              static_cast<unsigned char>(next)));
            } else {
                value = SlowMacroValue(next, page);
                fromPage = std::string_view("IiCc!").find(next) == std::string_view::npos;
            }
            bool folder = c == '!' && (next == 'I' || next == 'i');
            if (encode && !folder)
                value = SlowUrlEncode(value, utf8, consoleSafe && fromPage);
            if (consoleSafe && fromPage) {
                for (char16_t& v : value) {
                    if (IsConsoleBreaker(v) || (!encode && IsConsoleExpander(v)))
                        v = u' ';
                }
            }
            if (commandLine && fromPage) {
                for (char16_t& v : value) {
                    std::string ansi = WideToAnsi(std::u16string(1, v));
                    char16_t written =
                        v >= 0x80 && ansi.size() == 1
                            ? static_cast<char16_t>(static_cast<unsigned char>(ansi[0]))
                            : v;
                    if (written == u'"' || written == u'\0')
                        v = u' ';
                    else if (written == u'\\')
                        v = u'\\';
                }
            }
            parts.push_back({value, fromPage});
        } else {
            parts.push_back(
                {std::u16string(1, static_cast<char16_t>(static_cast<unsigned char>(c))), false});
        }
    }
    std::u16string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        out += parts[i].text;
        if (!commandLine || !parts[i].fromPage)
            continue;
        std::size_t next = i + 1;
        while (next < parts.size() && parts[next].text.empty())
            ++next;
        if (next == parts.size() || parts[next].text.front() != u'"')
            continue;
        const std::u16string& value = parts[i].text;
        std::size_t backslashes = 0;
        while (backslashes < value.size() && value[value.size() - 1 - backslashes] == u'\\')
            ++backslashes;
        out += std::u16string(backslashes, u'\\');
    }
    return out;
}

/// The template with every byte of its own text for which keep() is false replaced by "_", and so
/// is the character of an escape whose value keep() refuses ("\n" counts as a line break) and the
/// letter of the module folder's macro (a file address the template puts in as it is, "|" and
/// all), and of "!!" when keep() refuses "!". Other macros stay. What such a template adds around
/// its values, keep() allows.
template <typename Keep> std::string CleanTemplate(std::string_view text, Keep keep) {
    std::string clean(text);
    for (std::size_t at = 0; at < clean.size(); ++at) {
        char c = clean[at];
        if (c == '!' && at + 1 < clean.size()) {
            ++at;
            // "!!" gives a "!" of the template's own.
            if (clean[at] == 'I' || clean[at] == 'i' || (clean[at] == '!' && !keep('!')))
                clean[at] = '_';
        } else if (c == '\\' && at + 1 < clean.size()) {
            ++at;
            if (clean[at] == 'n' || !keep(clean[at]))
                clean[at] = '_';
        } else if (!keep(c)) {
            clean[at] = '_';
        }
    }
    return clean;
}

} // namespace tandrel::fuzz
