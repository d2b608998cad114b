#include "config/ConfigParser.h"

#include "common/TextConversion.h"
#include "config/ConfigLines.h"

namespace tandrel {

namespace {

bool HasPrefix(std::string_view name, std::string_view prefix) {
    return name.size() >= prefix.size() &&
           EqualsIgnoreAsciiCase(name.substr(0, prefix.size()), prefix);
}

} // namespace

void ParseConfigText(CSectionList& list, std::string_view text, std::string_view prefix) {
    CConfigLineReader reader(text);
    ConfigLine line;
    // Only ever the last section of the list, so Append cannot leave it dangling.
    CConfigSection* current = nullptr;
    while (reader.Next(line)) {
        if (line.kind == ConfigLine::Kind::Head)
            current = HasPrefix(line.name, prefix) ? &list.Append(std::string(line.name)) : nullptr;
        else if (line.kind == ConfigLine::Kind::Key && current)
            current->SetValue(line.key, std::string(line.value));
    }
}

} // namespace tandrel
