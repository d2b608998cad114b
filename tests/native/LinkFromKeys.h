// A link entry made from the key lines of one "OTHER:" section, as the configuration file would
// give them.
#pragma once

#include "config/ConfigParser.h"
#include "config/Link.h"

#include <string>
#include <string_view>

namespace tandrel::test {

inline CLink LinkFromKeys(std::string_view keys, std::string_view name = "Entry") {
    CSectionList sections;
    ParseConfigText(sections, "[OTHER:" + std::string(name) + "]\n" + std::string(keys), "OTHER:");
    CLink link;
    link.LoadFromSection(sections[0]);
    return link;
}

} // namespace tandrel::test
