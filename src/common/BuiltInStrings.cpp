#include "common/BuiltInResources.h"

namespace tandrel {

const std::vector<BuiltInString>& BuiltInStrings() {
    static const std::vector<BuiltInString> strings = {
#define TANDREL_STRING(name, id, text) {id, text},
#include "resources/strings.inc"
#undef TANDREL_STRING
    };
    return strings;
}

} // namespace tandrel
