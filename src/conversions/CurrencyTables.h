// The constant currency tables behind Currency.h. Kept apart so that the searches read as
// searches; nothing outside conversions/ and its tests needs these.
#pragma once

#include "conversions/Currency.h"

#include <cstddef>
#include <string_view>

namespace tandrel {

/// A top-level domain and the code of the currency used under it.
struct CurrencyDomain {
    std::string_view domain; ///< two or three small ASCII letters
    std::string_view code;
};

/// A currency symbol and the codes it may stand for, separated by commas.
struct CurrencySymbol {
    std::u16string_view symbol; ///< exact UTF-16 code units
    std::string_view codes;
};

constexpr std::size_t kCurrencyCount = 176;
constexpr std::size_t kCurrencyDomainCount = 112;
constexpr std::size_t kCurrencySymbolCount = 97;

/// By code, in ascending byte order.
extern const CCurrency kCurrencies[kCurrencyCount];
/// By domain, in ascending byte order.
extern const CurrencyDomain kCurrencyDomains[kCurrencyDomainCount];
/// Longest symbol first, so that a symbol is tried before a shorter one it contains.
extern const CurrencySymbol kCurrencySymbols[kCurrencySymbolCount];

} // namespace tandrel
