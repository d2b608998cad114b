// A fuzzed configuration file beside the module, in the in-memory file system: the link entries of
// several prefixes (LoadLinks) and the unit table (LoadUnitTable, CUnitTable::Load) must be what
// the grammar's byte machine (tests/native/ReferenceConfigParser.h) and the entries' and units'
// rules give, read here value by value: which source a prefix comes from, every field with its
// default, the remembered choices, every unit in order with its scale, every alias, and the unit
// each probe finds by trying every alias at every length.
//
// The input is the configuration file.
#include "FuzzSupport.h"
#include "ReferenceConfigParser.h"

#include "config/ConfigLoader.h"
#include "config/ConfigPath.h"
#include "config/Link.h"
#include "config/LinkList.h"
#include "config/SelectionMemory.h"
#include "conversions/Units.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tandrel::fuzz {

namespace {

// ---- the sections of a prefix

std::optional<std::string> Value(const CConfigSection& section, std::string_view key) {
    auto it = section.Values().find(AsciiLowered(key));
    if (it == section.Values().end())
        return std::nullopt;
    return it->second;
}

std::string_view StoredText(CMemoryPlatform& platform, int id) {
    return platform.module.FindModuleResource(kStoredTextType, id).value_or("");
}

// The file's sections of the prefix when it has any, else the stored default's; the system
// entries from their stored text alone.
CSectionList ExpectedSections(CMemoryPlatform& platform, std::string_view file,
                              std::string_view prefix, bool systemOnly) {
    CSectionList list;
    if (!systemOnly)
        reference::ParseConfigBytes(list, file, prefix);
    if (!list.empty())
        return list;
    // The stored texts never change: each prefix is read from them once.
    static std::map<std::pair<int, std::string>, CSectionList> stored;
    int id = systemOnly ? kSystemLinksTextId : kDefaultLinksTextId;
    auto [it, added] = stored.try_emplace({id, std::string(prefix)});
    if (added)
        reference::ParseConfigBytes(it->second, StoredText(platform, id), prefix);
    return it->second;
}

// ---- remembered choices

std::optional<bool> StoreValue(IRegKey& key, const std::string& name) {
    std::u16string wide = AnsiToWide(name);
    switch (name.size() % 5) {
    case 1:
        key.SetDword(wide, 1);
        return true;
    case 2:
        key.SetDword(wide, 0);
        return false;
    case 3:
        key.SetString(wide, u"0");
        return true;
    case 4:
        key.SetValue(wide, kRegBinary, std::string_view("\0\0\0\0\1", 5));
        return std::nullopt;
    default:
        key.DeleteValue(wide);
        return std::nullopt;
    }
}

// What is stored for a section, chosen by its name so that every kind of value turns up: none, a
// DWORD 1 or 0, a REG_SZ "0" (its bytes are not zero: ticked), five bytes (too long: none). A name
// holding a NUL has no choice, whatever is stored: the registry would end the name there.
std::optional<bool> StoreChoice(IRegKey& key, const std::string& name) {
    std::optional<bool> stored = StoreValue(key, name);
    return name.find('\0') == std::string::npos ? stored : std::nullopt;
}

// ---- link entries

bool FlagOf(const std::optional<std::string>& value, bool otherwise) {
    if (!value || value->empty())
        return otherwise;
    if (std::string_view("1TtYy").find(value->front()) != std::string_view::npos)
        return true;
    if (std::string_view("0FfNn").find(value->front()) != std::string_view::npos)
        return false;
    return otherwise;
}

// Every getter with the name of the field it reads.
struct Getter {
    std::string_view field;
    const std::string& (CLink::*text)() const;
    bool (CLink::*flag)() const;
};

constexpr Getter kGetters[] = {
    {"shortDescription", &CLink::GetShortDescription, nullptr},
    {"longDescription", &CLink::GetLongDescription, nullptr},
    {"url", &CLink::GetUrl, nullptr},
    {"href", &CLink::GetHref, nullptr},
    {"command", &CLink::GetCommand, nullptr},
    {"URLCharset", &CLink::GetURLCharsetName, nullptr},
    {"MailTo", &CLink::GetMailTo, nullptr},
    {"MailCC", &CLink::GetMailCC, nullptr},
    {"MailBCC", &CLink::GetMailBCC, nullptr},
    {"MailSubject", &CLink::GetMailSubject, nullptr},
    {"MailBody", &CLink::GetMailBody, nullptr},
    {"windowName", &CLink::GetWindowName, nullptr},
    {"left", &CLink::GetLeft, nullptr},
    {"top", &CLink::GetTop, nullptr},
    {"width", &CLink::GetWidth, nullptr},
    {"height", &CLink::GetHeight, nullptr},
    {"sectionName", &CLink::GetSectionName, nullptr},
    {"useConsole", nullptr, &CLink::GetUseConsole},
    {"leaveConsole", nullptr, &CLink::GetLeaveConsole},
    {"URLEncoded", nullptr, &CLink::GetURLEncoded},
    {"hasMail", nullptr, &CLink::GetHasMail},
    {"directories", nullptr, &CLink::GetDirectories},
    {"fullScreen", nullptr, &CLink::GetFullScreen},
    {"location", nullptr, &CLink::GetLocation},
    {"menuBar", nullptr, &CLink::GetMenuBar},
    {"resizable", nullptr, &CLink::GetResizable},
    {"scrollBars", nullptr, &CLink::GetScrollBars},
    {"status", nullptr, &CLink::GetStatus},
    {"titleBar", nullptr, &CLink::GetTitleBar},
    {"toolBar", nullptr, &CLink::GetToolBar},
    {"exclusive", nullptr, &CLink::GetExclusive},
    {"defaultSelected", nullptr, &CLink::GetDefaultSelected},
    {"selected", nullptr, &CLink::GetSelected},
};

const Getter& GetterOf(std::string_view field) {
    const Getter* getter = std::find_if(std::begin(kGetters), std::end(kGetters),
                                        [&](const Getter& g) { return g.field == field; });
    Require(getter != std::end(kGetters), "every field has its getter");
    return *getter;
}

void CheckLink(const CLink& link, const CConfigSection& section,
               const std::map<std::string, std::optional<bool>>& choices) {
    Require(link.GetSectionName() == section.GetName(), "an entry is named by its section");
    bool hasMail = false;
    bool defaultSelected = false;
    for (const LinkField& field : LinkFields()) {
        std::optional<std::string> value = Value(section, field.name);
        if (field.text) {
            std::string expected = field.name == "sectionName" ? section.GetName()
                                   : value && !value->empty()  ? *value
                                                               : std::string(field.textDefault);
            Require(link.GetText(field) == expected, "a text field: its value, else its default");
            Require((link.*GetterOf(field.name).text)() == expected, "a getter reads its field");
            hasMail = hasMail || (field.mail && !expected.empty());
            continue;
        }
        if (!field.keyed)
            continue; // derived or set by the system: checked below
        bool expected = FlagOf(value, field.flagDefault);
        Require(link.GetFlag(field) == expected, "a flag: its value's first byte, else default");
        Require((link.*GetterOf(field.name).flag)() == expected, "a getter reads its flag");
        if (field.name == "defaultSelected")
            defaultSelected = expected;
    }
    Require(link.GetHasMail() == hasMail, "hasMail: a mail field is not empty");
    Require(link.GetTitleBar(), "the title bar is always on");
    auto choice = choices.find(AsciiLowered(section.GetName()));
    std::optional<bool> remembered = choice == choices.end() ? std::nullopt : choice->second;
    Require(link.GetSelected() == remembered.value_or(defaultSelected),
            "an entry starts with its remembered choice, else defaultSelected");
}

// ---- units

struct SlowUnit {
    std::string category;
    std::string name;
    double scale;
    double offset;
    bool invert;
};

struct SlowUnits {
    std::vector<std::string> categories;                      ///< every section's, lowered
    std::vector<SlowUnit> units;                              ///< in the order added
    std::vector<std::pair<std::string, std::size_t>> aliases; ///< alias, unit; in order added
};

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

double NumberOr(const std::optional<std::string>& value, double otherwise) {
    std::optional<SlowNumber> number = value ? SlowReadDecimal(*value) : std::nullopt;
    return number ? number->value : otherwise;
}

SlowUnits SlowLoadUnits(const CSectionList& sections) {
    SlowUnits table;
    for (const CConfigSection& section : sections) {
        std::optional<std::string> category = Value(section, "category");
        if (!category || category->empty())
            continue;
        table.categories.push_back(AsciiLowered(*category)); // even one without units
        double a = NumberOr(Value(section, "a"), 1);
        double b = NumberOr(Value(section, "b"), 0);
        bool invert = FlagOf(Value(section, "invert"), false);
        for (int power = -18; power <= 18; ++power) {
            char key[8];
            std::snprintf(key, sizeof key, "ten%+d", power);
            std::optional<std::string> line = Value(section, key);
            if (!line || line->empty())
                continue;
            std::vector<std::string_view> pieces = Split(*line, ',');
            if (IsBlank(pieces[0]))
                continue;
            double ten = 1;
            for (int i = 0; i < std::abs(power); ++i)
                ten *= 10;
            double scale = power > 0 ? a * ten : power < 0 ? a / ten : a;
            table.units.push_back(
                {AsciiLowered(*category), std::string(pieces[0]), scale, b, invert});
            for (std::string_view piece : pieces) {
                if (!IsBlank(piece))
                    table.aliases.emplace_back(piece, table.units.size() - 1);
            }
        }
    }
    return table;
}

void CheckUnitTable(const CUnitTable& table, const SlowUnits& slow, std::string_view file,
                    bool probe) {
    // Categories by name; the units of each in the order added.
    std::map<std::string, std::vector<std::size_t>> categories;
    for (const std::string& name : slow.categories)
        categories[name];
    for (std::size_t unit = 0; unit < slow.units.size(); ++unit)
        categories[slow.units[unit].category].push_back(unit);
    Require(table.Categories().size() == categories.size(), "one category per lowered name");
    std::vector<const CUnit*> pointers(slow.units.size());
    auto expected = categories.begin();
    for (const auto& [name, category] : table.Categories()) {
        Require(name == expected->first && category.GetName() == name,
                "categories by lowered name, in byte order");
        Require(category.Units().size() == expected->second.size(), "a category's units");
        std::size_t next = 0;
        for (const CUnit& unit : category.Units()) {
            const SlowUnit& want = slow.units[expected->second[next]];
            Require(unit.GetName() == want.name && SameNumber(unit.GetScale(), want.scale) &&
                        SameNumber(unit.GetOffset(), want.offset) &&
                        unit.GetInvert() == want.invert && &unit.GetCategory() == &category,
                    "a unit: its first alias, a times ten to its power, b, invert");
            pointers[expected->second[next++]] = &unit;
        }
        ++expected;
    }

    // The index: every alias as written, in byte order, equal ones in the order added.
    std::vector<std::pair<std::string, std::size_t>> sorted = slow.aliases;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    Require(table.Aliases().size() == sorted.size(), "every alias is indexed");
    std::size_t longest = 0;
    auto want = sorted.begin();
    for (const auto& [alias, unit] : table.Aliases()) {
        Require(alias == want->first && unit == pointers[want->second],
                "aliases in byte order, equal ones in the order added");
        longest = std::max(longest, alias.size());
        ++want;
    }
    Require(table.LongestAlias() == longest, "the longest alias");

    if (!probe)
        return;
    // Probes: some aliases as they are, longer, shorter and in other letter cases; the values
    // of the file's first lines.
    std::vector<std::pair<std::string, const CUnit*>> index;
    for (const auto& [alias, unit] : sorted)
        index.emplace_back(alias, pointers[unit]);
    std::vector<std::string> probes;
    constexpr std::size_t kProbedAliases = 8;
    for (std::size_t i = 0; i < kProbedAliases && i < slow.aliases.size(); ++i) {
        const std::string& alias = slow.aliases[i * slow.aliases.size() / kProbedAliases].first;
        probes.insert(probes.end(), {alias, alias + " x", AsciiUpper(alias), AsciiLowered(alias),
                                     alias.substr(0, alias.size() / 2)});
    }
    std::vector<std::string_view> lines = Split(file, '\n');
    for (std::size_t i = 0; i < lines.size() && i < 8; ++i)
        probes.emplace_back(lines[i].substr(lines[i].find('=') + 1));
    probes.emplace_back();
    for (const std::string& probe : probes)
        Require(table.FindUnit(probe) == SlowFindUnit(index, probe),
                "FindUnit: the longest alias, as written before lowered, the first added");
}

void CheckConfiguration(std::string_view file) {
    FuzzPlatform scope;
    CMemoryPlatform& platform = scope.platform;
    platform.files.Files()[ConfigFilePath()].bytes = std::string(file);

    struct Load {
        std::string_view prefix;
        bool systemOnly;
    };
    constexpr Load kLoads[] = {{"", false}, {"ISBN:", false}, {"book:", false}, {"SYSTEM:", true}};
    std::vector<CSectionList> expected;
    std::map<std::string, std::optional<bool>> choices;
    std::unique_ptr<IRegKey> key =
        platform.registry.CreateKey(RegRoot::CurrentUser, kSelectionKeyPath);
    for (const Load& load : kLoads) {
        expected.push_back(ExpectedSections(platform, file, load.prefix, load.systemOnly));
        for (const CConfigSection& section : expected.back())
            choices[AsciiLowered(section.GetName())] = StoreChoice(*key, section.GetName());
    }

    for (std::size_t i = 0; i < std::size(kLoads); ++i) {
        CLinkList links;
        LoadLinks(links, kLoads[i].prefix, kLoads[i].systemOnly);
        Require(links.size() == expected[i].size(),
                "one entry per section of the file's prefix, else of the stored default");
        for (std::size_t entry = 0; entry < links.size(); ++entry)
            CheckLink(links[entry], expected[i][entry], choices);
    }

    // Without units of its own the file gives the stored default's, which stay the same for
    // every input: those are checked once.
    static bool storedUnitsChecked = false;
    CSectionList ownUnits;
    reference::ParseConfigBytes(ownUnits, file, "UNIT:");
    if (ownUnits.empty() && std::exchange(storedUnitsChecked, true))
        return;
    CSectionList unitSections = ExpectedSections(platform, file, "UNIT:", false);
    SlowUnits slow = SlowLoadUnits(unitSections);
    CheckUnitTable(LoadUnitTable(), slow, file, true);
    CUnitTable table;
    table.Load(unitSections);
    table.Load(unitSections); // loading again replaces
    CheckUnitTable(table, slow, file, false);
}

} // namespace

} // namespace tandrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tandrel::fuzz::CheckConfiguration(tandrel::fuzz::AsText(data, size));
    return 0;
}
