// Parsing the link configuration against a reference INI parser, libinih (ini_parse_string), on
// the same generated texts of 1 MB and 10 MB: every section of the requested prefix, or one in
// twelve. Both keep what ParseConfigText keeps: the sections of the prefix in text order, each
// with its values by lowered key (the same CSectionList, filled by libinih's handler). What
// differs is left out of the texts, and the results are compared before timing:
//   - libinih trims blanks around keys and values, takes ":" as well as "=", cuts values at an
//     inline " ;", reads an indented line after a key as another value of that key, and reads
//     lines into a buffer of 200 bytes; ours keeps every byte of a key line. The texts have no
//     such blanks, ";", indented or long lines, and no ":" before the first "=" of a key line.
//   - libinih calls its handler once per key with the section's name, and never for a section
//     without keys, so the handler compares each name with the last one to see a new section
//     (two heads of one name in a row would be one section). The texts give every section keys
//     and a name of its own.
//   - libinih copies each line into its own buffer; ours reads the text in place.
#include "BenchSupport.h"
#include "common/TextConversion.h"
#include "config/ConfigParser.h"

#ifdef TANDREL_BENCH_INIH
#include <ini.h>
#endif

#include <string>

namespace {

using namespace tandrel::bench;

constexpr std::string_view kPrefix = "ISBN:";

// A configuration of the given size in the stored default's shape: banner comments, CR LF line
// ends, a handful of keys per section written in mixed case. One section in `share` has the
// prefix, the others one of eleven other categories.
std::string ConfigurationOf(std::int64_t bytes, std::int64_t share) {
    static const char* const kOthers[] = {
        "BOOK:",  "MUSIC:", "MOVIE:",     "OTHER:", "SEARCH:",  "UPC:",
        "STOCK:", "EMAIL:", "TRANSLATE:", "URL:",   "CURRENCY:"};
    std::string text;
    text.reserve(static_cast<std::size_t>(bytes) + 512);
    for (std::int64_t i = 0; static_cast<std::int64_t>(text.size()) < bytes; ++i) {
        if (i % 50 == 0)
            text += "#######################################\r\n# Banner comment\r\n\r\n";
        std::string number = std::to_string(i);
        std::string prefix = i % share == 0 ? std::string(kPrefix) : kOthers[i % 11];
        text += "[" + prefix + "Site" + number + "]\r\n";
        text += "ShortDescription=Site number " + number + " (example.com)\r\n";
        text += "LongDescription=A longer description of the site, its country and its offer\r\n";
        text += "url=https://www.example.com/search?q=!S&cat=" + number + "\r\n";
        text += "WindowName=Example\r\n";
        text += "defaultSelected=n\r\n\r\n";
    }
    return text;
}

void BM_ParseConfigText(benchmark::State& state) {
    const std::string text = ConfigurationOf(state.range(0), state.range(1));
    for (auto _ : state) {
        tandrel::CSectionList list;
        tandrel::ParseConfigText(list, text, kPrefix);
        benchmark::DoNotOptimize(list.size());
    }
    SetBytesRead(state, static_cast<std::int64_t>(text.size()));
}

void ParseSizes(benchmark::internal::Benchmark* benchmark) {
    for (std::int64_t bytes : {kMegabyte, 10 * kMegabyte}) {
        for (std::int64_t share : {1, 12})
            benchmark->Args({bytes, share});
    }
    benchmark->ArgNames({"bytes", "share"})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ParseConfigText)->Name("ParseConfigText")->Apply(ParseSizes);

#ifdef TANDREL_BENCH_INIH

// What libinih's handler fills: the list, and the section its last key went to.
struct IniTarget {
    tandrel::CSectionList* list = nullptr;
    std::string lastName;
    bool started = false;
    tandrel::CConfigSection* current = nullptr;
};

int StoreIniValue(void* user, const char* section, const char* name, const char* value) {
    IniTarget& target = *static_cast<IniTarget*>(user);
    if (!target.started || target.lastName != section) {
        target.started = true;
        target.lastName = section;
        std::string_view head(section);
        bool kept = head.size() >= kPrefix.size() &&
                    tandrel::EqualsIgnoreAsciiCase(head.substr(0, kPrefix.size()), kPrefix);
        target.current = kept ? &target.list->Append(std::string(head)) : nullptr;
    }
    if (target.current)
        target.current->SetValue(name, value);
    return 1;
}

bool ParseWithInih(tandrel::CSectionList& list, const std::string& text) {
    IniTarget target;
    target.list = &list;
    return ini_parse_string(text.c_str(), StoreIniValue, &target) == 0;
}

bool SameSections(const tandrel::CSectionList& a, const tandrel::CSectionList& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].GetName() != b[i].GetName() || a[i].Values() != b[i].Values())
            return false;
    }
    return true;
}

void BM_IniParseString(benchmark::State& state) {
    const std::string text = ConfigurationOf(state.range(0), state.range(1));
    tandrel::CSectionList ours;
    tandrel::CSectionList theirs;
    tandrel::ParseConfigText(ours, text, kPrefix);
    if (!ParseWithInih(theirs, text) || ours.empty() || !SameSections(ours, theirs)) {
        state.SkipWithError("libinih does not read the text as ParseConfigText does");
        return;
    }
    for (auto _ : state) {
        tandrel::CSectionList list;
        ParseWithInih(list, text);
        benchmark::DoNotOptimize(list.size());
    }
    SetBytesRead(state, static_cast<std::int64_t>(text.size()));
}

BENCHMARK(BM_IniParseString)->Name("ini_parse_string")->Apply(ParseSizes);

#endif

} // namespace
