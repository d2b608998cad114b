// The module's resources compiled into programs that carry no Windows resources (the native
// build): the stored configuration texts, the script template and the string table. They are
// generated at build time from the same files the DLL's resource script names.
#pragma once

#include <string_view>
#include <vector>

namespace tandrel {

struct BuiltInResource {
    const char* type; ///< "FILE", "SCRIPT"
    int id;
    std::string_view bytes;
};

struct BuiltInString {
    int id;
    const char* text; ///< ANSI (Windows-1252)
};

const std::vector<BuiltInResource>& BuiltInResources();
const std::vector<BuiltInString>& BuiltInStrings();

} // namespace tandrel
