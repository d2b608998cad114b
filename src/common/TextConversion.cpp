#include "common/TextConversion.h"

#include "common/CharClass.h"
#include "common/Platform.h"

#include <array>

namespace tandrel {

namespace {

// Bytes 0x80 to 0x9F of Windows-1252; the rest of the code page equals Latin-1. The five
// unassigned bytes map to the control characters of the same value, as the platform does.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char16_t kReplacement = 0xFFFD;

char16_t Windows1252Char(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return kWindows1252High[byte - 0x80];
    return byte;
}

char Windows1252Byte(char16_t ch, char unmappable) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<char>(ch);
    for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
        if (kWindows1252High[i] == ch)
            return static_cast<char>(0x80 + i);
    }
    return unmappable;
}

bool IsHighSurrogate(char16_t ch) {
    return ch >= 0xD800 && ch <= 0xDBFF;
}
bool IsLowSurrogate(char16_t ch) {
    return ch >= 0xDC00 && ch <= 0xDFFF;
}

// The conversions write into strings made at their final size (or a bound of it) rather than
// appending a character at a time: appending is a call per character into the C++ library, which
// costs far more than the conversion itself in the WebAssembly build.

std::size_t Utf8Length(char32_t cp) {
    return cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
}

// Writes the code point's UTF-8 bytes at out; returns the end of what it wrote.
char* EncodeUtf8(char32_t cp, char* out) {
    if (cp < 0x80) {
        *out++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
        *out++ = static_cast<char>(0xC0 | (cp >> 6));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (cp >> 12));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (cp >> 18));
        *out++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

// Writes the code point's UTF-16 units at out; returns the end of what it wrote.
char16_t* EncodeUtf16(char32_t cp, char16_t* out) {
    if (cp < 0x10000) {
        *out++ = static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        *out++ = static_cast<char16_t>(0xD800 + (cp >> 10));
        *out++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
    return out;
}

// The UTF-8 text of the code points forEach gives (it calls its argument with each, in order):
// measured first, then written into a string of that size.
template <class ForEach> std::string Utf8Of(const ForEach& forEach) {
    std::size_t length = 0;
    forEach([&length](char32_t cp) { length += Utf8Length(cp); });
    std::string out(length, '\0');
    char* end = out.data();
    forEach([&end](char32_t cp) { end = EncodeUtf8(cp, end); });
    return out;
}

// The character at text[i]: a surrogate pair whole (i is then moved to its second unit), a lone
// surrogate as the replacement character.
char32_t WideCodePoint(std::u16string_view text, std::size_t& i) {
    char16_t ch = text[i];
    if (IsHighSurrogate(ch) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
        ++i;
        return 0x10000 + ((char32_t(ch) - 0xD800) << 10) + (text[i] - 0xDC00);
    }
    if (IsHighSurrogate(ch) || IsLowSurrogate(ch))
        return kReplacement;
    return ch;
}

// Decodes one UTF-8 sequence at text[i]; advances i past it. Malformed input yields U+FFFD and
// skips one byte, so decoding always makes progress.
char32_t DecodeUtf8(std::string_view text, std::size_t& i) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return kReplacement;
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        unsigned char next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    i += length;
    if (cp < kMinimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return kReplacement;
    return cp;
}

} // namespace

std::u16string AnsiToWide(std::string_view text) {
    return CurrentPlatform().text->AnsiToWide(text);
}

std::string WideToAnsi(std::u16string_view text) {
    return CurrentPlatform().text->WideToAnsi(text);
}

std::u16string Utf8ToWide(std::string_view text) {
    // Never more units than bytes: a four-byte sequence is two units, a malformed byte one.
    std::u16string out(text.size(), u'\0');
    char16_t* end = out.data();
    for (std::size_t i = 0; i < text.size();)
        end = EncodeUtf16(DecodeUtf8(text, i), end);
    out.resize(static_cast<std::size_t>(end - out.data()));
    return out;
}

std::string WideToUtf8(std::u16string_view text) {
    return Utf8Of([text](const auto& write) {
        for (std::size_t i = 0; i < text.size(); ++i)
            write(WideCodePoint(text, i));
    });
}

std::u16string Windows1252ToWide(std::string_view text) {
    std::u16string out(text.size(), u'\0');
    char16_t* at = out.data();
    for (char byte : text)
        *at++ = Windows1252Char(static_cast<unsigned char>(byte));
    return out;
}

std::string Windows1252ToUtf8(std::string_view text) {
    return Utf8Of([text](const auto& write) {
        for (char byte : text)
            write(Windows1252Char(static_cast<unsigned char>(byte)));
    });
}

std::string WideToWindows1252(std::u16string_view text, char unmappable) {
    std::string out(text.size(), '\0');
    char* end = out.data();
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A surrogate pair is one character of the text and becomes one default character.
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]))
            ++i;
        *end++ = Windows1252Byte(text[i], unmappable);
    }
    out.resize(static_cast<std::size_t>(end - out.data()));
    return out;
}

std::string AsciiLower(std::string_view text) {
    std::string out(text);
    for (char& ch : out)
        ch = ToAsciiLower(ch);
    return out;
}

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ToAsciiLower(a[i]) != ToAsciiLower(b[i]))
            return false;
    }
    return true;
}

} // namespace tandrel
