// Readings of the recognisers' rules as they are written, slow and simple on purpose: the
// recognisers' native test and their fuzz target hold the one-pass searches to them.
#pragma once

#include "recognizers/Recognizers.h"

#include <string>
#include <string_view>

namespace tandrel::test {

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
