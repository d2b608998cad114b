// The configuration checker: time per byte must stay flat from 1 MB to 100 MB, whatever the text
// holds (many sections, one endless key, nothing but line ends).
#include "common/MemoryPlatform.h"
#include "lint/ConfigLint.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr std::int64_t kMegabyte = 1 << 20;

// Link and unit sections in the stored default's shape, with what a checker must look at: a
// misspelt key now and then (a suggestion to compute), a flag written "on", a name used twice.
std::string ConfigurationOf(std::int64_t bytes) {
    static const char* const kPrefixes[] = {"BOOK:", "ISBN:", "MUSIC:", "Search:", "TRANSLATE:"};
    std::string text;
    for (std::int64_t i = 0; static_cast<std::int64_t>(text.size()) < bytes; ++i) {
        std::string number = std::to_string(i % 100 == 99 ? i - 1 : i);
        if (i % 7 == 0) {
            text += "[UNIT:Length" + number + "]\r\ncategory=length\r\na=0.3048\r\n";
            text += "ten+0=foot, ft, feet\r\nten+3=kilofoot\r\n\r\n";
            continue;
        }
        text += "[" + std::string(kPrefixes[i % 5]) + "Site" + number + "]\r\n";
        text += "ShortDescription=Site number " + number + " (example.com)\r\n";
        text += "url=https://www.example.com/search?q=!S&cat=" + number + "\r\n";
        text += i % 10 == 0 ? "WindowNme=Example\r\n" : "WindowName=Example\r\n";
        text += i % 13 == 0 ? "exclusive=on\r\n\r\n" : "defaultSelected=n\r\n\r\n";
    }
    return text;
}

std::string LongKeyLineOf(std::int64_t bytes) {
    return "[ISBN:X]\r\nurl=a\r\n" + std::string(static_cast<std::size_t>(bytes), 'k') + "=v\r\n";
}

std::string LineEndsOf(std::int64_t bytes) {
    return std::string(static_cast<std::size_t>(bytes), '\n');
}

template <std::string (*Make)(std::int64_t)> void BM_Lint(benchmark::State& state) {
    // The findings' texts come from the platform's string table.
    tandrel::CMemoryPlatform platform;
    tandrel::ScopedPlatform installed(platform.View());
    const std::string text = Make(state.range(0) * kMegabyte);
    for (auto _ : state)
        benchmark::DoNotOptimize(tandrel::LintConfigText(text).size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    state.SetComplexityN(static_cast<std::int64_t>(text.size()));
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}

BENCHMARK_TEMPLATE(BM_Lint, ConfigurationOf)->Apply(Sizes);
BENCHMARK_TEMPLATE(BM_Lint, LongKeyLineOf)->Apply(Sizes);
BENCHMARK_TEMPLATE(BM_Lint, LineEndsOf)->Apply(Sizes);

} // namespace
