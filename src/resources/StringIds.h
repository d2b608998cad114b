// String-table ids used by the code. The texts live in strings.inc.
#pragma once

namespace tandrel::ids {

constexpr int kProductName = 100;

constexpr int kLookupDoOneOf = 131;
constexpr int kLookupUsingSelection = 132;
constexpr int kLookupSearchFor = 133;
constexpr int kLookupAtOneOrMore = 134;
constexpr int kLookupBook = 137;
constexpr int kLookupMusic = 138;
constexpr int kLookupMovie = 139;

} // namespace tandrel::ids
