// The ASCII character classes the system's readers test, for configuration bytes (char) and
// UTF-16 code units (char16_t) alike. Only ASCII belongs to them: a byte above 0x7F, or a code
// unit outside ASCII, is no digit or letter here, whatever its code page makes of it.
#pragma once

namespace tandrel {

constexpr bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

constexpr bool IsAsciiUpper(char16_t c) {
    return c >= u'A' && c <= u'Z';
}

constexpr bool IsAsciiLower(char16_t c) {
    return c >= u'a' && c <= u'z';
}

constexpr bool IsAsciiLetter(char16_t c) {
    return IsAsciiUpper(c) || IsAsciiLower(c);
}

constexpr bool IsAsciiAlphanumeric(char16_t c) {
    return IsAsciiLetter(c) || IsAsciiDigit(c);
}

/// c with an ASCII capital made small; every other code unit as it is.
constexpr char16_t ToAsciiLower(char16_t c) {
    return IsAsciiUpper(c) ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// The same for a byte, taken as the code of the same number (never sign-extended).

constexpr char16_t Widened(char c) {
    return static_cast<char16_t>(static_cast<unsigned char>(c));
}

constexpr bool IsAsciiDigit(char c) {
    return IsAsciiDigit(Widened(c));
}

constexpr bool IsAsciiUpper(char c) {
    return IsAsciiUpper(Widened(c));
}

constexpr bool IsAsciiLower(char c) {
    return IsAsciiLower(Widened(c));
}

constexpr bool IsAsciiLetter(char c) {
    return IsAsciiLetter(Widened(c));
}

constexpr bool IsAsciiAlphanumeric(char c) {
    return IsAsciiAlphanumeric(Widened(c));
}

constexpr char ToAsciiLower(char c) {
    return IsAsciiUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace tandrel
