// Readings of the recognisers' rules as they are written, slow and simple on purpose: the
// recognisers' native test and their fuzz target hold the one-pass searches to them. The checks
// of a code are parameters, so that the fuzz target can give its own readings of them too.
#pragma once

#include "recognizers/Recognizers.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandrel::test {

using CodeCheck = bool (*)(std::u16string_view code);

// The run scan as its rules read, every counted character kept: digits join the run, hyphens are
// passed over, a space is passed over but cuts the run into a new piece, an "x" after exactly
// nine digits is the tenth when asked for, and any other character (or the end) hands the run to
// accept: the whole run first, then, when it has more digits than longest and neither 12 nor 13
// (a UPC-A or EAN-13 in groups), each piece in order.
template <typename Accept>
std::optional<std::u16string> LiteralRuns(std::u16string_view labelled, bool isbnX,
                                          std::size_t longest, Accept accept) {
    // The label rule has its own table of cases; these readings hold the searches to the rest.
    const std::u16string text = WithoutCodeLabelNumbers(labelled);
    std::vector<std::u16string> pieces(1);
    std::u16string run;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size()) {
            char16_t c = text[at];
            bool tenth = isbnX && (c == u'x' || c == u'X') && run.size() == 9;
            if (IsWideDecimalDigit(c) || tenth) {
                run += tenth ? u'X' : c;
                pieces.back() += tenth ? u'X' : c;
                continue;
            }
            if (c == u' ') {
                pieces.emplace_back();
                continue;
            }
            if (c == u'-')
                continue;
        }
        if (std::optional<std::u16string> found = accept(run))
            return found;
        if (run.size() > longest && run.size() != 12 && run.size() != 13) {
            for (const std::u16string& piece : pieces) {
                if (std::optional<std::u16string> found = accept(piece))
                    return found;
            }
        }
        run.clear();
        pieces.assign(1, std::u16string());
    }
    return std::nullopt;
}

inline std::optional<std::u16string> LiteralIsbn10(std::u16string_view text,
                                                   CodeCheck check = IsValidIsbn10) {
    return LiteralRuns(text, true, 10, [check](const std::u16string& digits) {
        return digits.size() == 10 && check(digits) ? std::optional(digits) : std::nullopt;
    });
}

inline std::optional<std::u16string> LiteralUpc12(std::u16string_view text,
                                                  CodeCheck check = IsValidUpcA) {
    return LiteralRuns(text, false, 12, [check](const std::u16string& digits) {
        return digits.size() == 12 && check(digits) ? std::optional(digits) : std::nullopt;
    });
}

// A group of 10 to 12 digits, padded on the left with zeros to twelve.
inline std::optional<std::u16string> LiteralShortUpc(std::u16string_view text,
                                                     CodeCheck check = IsValidUpcA) {
    return LiteralRuns(
        text, false, 12, [check](const std::u16string& digits) -> std::optional<std::u16string> {
            if (digits.size() < 10 || digits.size() > 12)
                return std::nullopt;
            std::u16string padded = std::u16string(12 - digits.size(), u'0') + digits;
            return check(padded) ? std::optional(padded) : std::nullopt;
        });
}

// The EAN-13 search exactly as its rule reads: from each start, collect up to thirteen digits of
// a letter-free group, and restart from the second digit collected.
inline std::optional<std::u16string> LiteralEan13(std::u16string_view labelled,
                                                  CodeCheck check = IsValidEan13) {
    const std::u16string text = WithoutCodeLabelNumbers(labelled);
    auto digit = [](char16_t ch) {
        return ch >= u'0' && ch <= u'9';
    };
    auto letter = [](char16_t ch) {
        return (ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z');
    };
    const std::size_t n = text.size();
    std::size_t start = 0;
    for (;;) {
        if (start >= n)
            return std::nullopt;
        while (start < n && !digit(text[start]))
            ++start;
        if (n - start < 13)
            return std::nullopt;
        std::u16string digits(1, text[start]);
        std::size_t second = std::u16string::npos;
        for (std::size_t i = start + 1; digits.size() < 13; ++i) {
            if (i == n)
                return std::nullopt;
            if (letter(text[i]))
                break;
            if (digit(text[i])) {
                digits += text[i];
                if (digits.size() == 2)
                    second = i;
            }
        }
        if (digits.size() == 13 && check(digits))
            return digits;
        start = second != std::u16string::npos ? second : start + 1;
    }
}

// The stock-symbol search exactly as its rule reads, recursing on a copy at an exchange's ":".
inline std::u16string LiteralStockSymbol(std::u16string_view text) {
    std::u16string copy(text);
    std::size_t open = copy.find(u'(');
    if (open != std::u16string::npos) {
        copy.erase(0, open + 1);
        std::size_t close = copy.rfind(u')');
        if (close != std::u16string::npos)
            copy.erase(close);
    }
    if (copy.empty())
        return std::u16string(text);
    auto upper = [](char16_t ch) {
        return ch >= u'A' && ch <= u'Z';
    };
    const std::size_t n = copy.size();
    for (std::size_t position = 0;;) {
        std::size_t p = position;
        while (p < n && !upper(copy[p]))
            ++p;
        if (p == n)
            return u"";
        std::size_t e = p;
        while (e < n && (upper(copy[e]) || copy[e] == u'.'))
            ++e;
        if (e < n && copy[e - 1] == u'.')
            --e;
        if (!(p > 0 && IsWideLowercase(copy[p - 1]))) {
            if (e == n)
                return copy.substr(p);
            if (!(copy[e] >= u'a' && copy[e] <= u'z') && copy[e] != u':')
                return copy.substr(p, e - p);
        }
        if (e == n)
            return std::u16string(text);
        if (copy[e] == u':') {
            std::u16string inner = LiteralStockSymbol(copy.substr(e));
            return inner.empty() ? copy.substr(p, e - p) : inner;
        }
        position = e;
    }
}

} // namespace tandrel::test
