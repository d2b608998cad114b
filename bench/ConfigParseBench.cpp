// Parsing the link configuration: one pass over the bytes, so time grows linearly with the text.
#include "config/ConfigParser.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A configuration of the given number of sections in the stored default's shape: banner
// comments, CR LF line ends, several categories, a handful of keys per section.
std::string GeneratedConfiguration(std::int64_t sections) {
    static const char* const kPrefixes[] = {"BOOK:", "ISBN:", "MUSIC:", "UNIT:", "TRANSLATE:"};
    std::string text;
    for (std::int64_t i = 0; i < sections; ++i) {
        if (i % 50 == 0)
            text += "#######################################\r\n# Banner comment\r\n\r\n";
        std::string name = std::string(kPrefixes[i % 5]) + "Site" + std::to_string(i);
        text += "[" + name + "]\r\n";
        text += "ShortDescription=Site number " + std::to_string(i) + " (example.com)\r\n";
        text += "LongDescription=A longer description of the site, its country and its offer\r\n";
        text += "url=https://www.example.com/search?q=!S&cat=" + std::to_string(i) + "\r\n";
        text += "WindowName=Example\r\n";
        text += "defaultSelected=n\r\n\r\n";
    }
    return text;
}

void BM_ParseConfigText(benchmark::State& state) {
    const std::string text = GeneratedConfiguration(state.range(0));
    for (auto _ : state) {
        tandrel::CSectionList list;
        tandrel::ParseConfigText(list, text, "ISBN:");
        benchmark::DoNotOptimize(list.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    state.SetComplexityN(static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ParseConfigText)->RangeMultiplier(4)->Range(64, 64 << 10)->Complexity(benchmark::oN);

// Every section of the text is kept: the cost of storing keys and values on top of scanning.
void BM_ParseConfigTextAllSections(benchmark::State& state) {
    const std::string text = GeneratedConfiguration(state.range(0));
    for (auto _ : state) {
        tandrel::CSectionList list;
        tandrel::ParseConfigText(list, text, "");
        benchmark::DoNotOptimize(list.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    state.SetComplexityN(static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ParseConfigTextAllSections)
    ->RangeMultiplier(4)
    ->Range(64, 64 << 10)
    ->Complexity(benchmark::oN);

} // namespace
