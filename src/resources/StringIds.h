// Names of the string-table ids, one per entry of strings.inc (ids::kMenuIsbn is 103).
#pragma once

namespace tandrel::ids {

#define TANDREL_STRING(name, id, text) constexpr int name = id;
#include "strings.inc"
#undef TANDREL_STRING

} // namespace tandrel::ids
