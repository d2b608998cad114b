// Where the link configuration file lives: beside the module, named after it.
#pragma once

#include <string>
#include <string_view>

namespace tandrel {

/// The module path with everything from the last "." of its file name replaced by ".ini"
/// ("nubrix.dll" gives "nubrix.ini"); a file name without any "." gets ".ini" appended, whatever
/// dots its folders' names hold.
std::u16string ConfigFilePathFor(std::u16string_view modulePath);

/// The configuration file path of the running module.
std::u16string ConfigFilePath();

} // namespace tandrel
