// The unit lookup on selections built to be its worst case: an amount followed by one long run
// of text that keeps starting like an alias ("KMkmKmkM...", "nautical mile..."), so that
// FindUnit walks as far as any alias could reach, as written and lowered. FindUnit never looks
// further than the longest alias, so its time per call is the same at every size; recognition
// reads the selection once, so its time per byte stays flat from 1 KB to 10 MB. Sizes are bytes
// of text: ANSI for FindUnit, UTF-16 for recognition.
#include "common/MemoryPlatform.h"
#include "conversions/UnitRecognition.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

template <typename Text> Text Repeated(const Text& pattern, std::size_t characters) {
    Text text;
    text.reserve(characters);
    while (text.size() < characters)
        text.append(pattern.substr(0, characters - text.size()));
    return text;
}

// The platform and the stored default table, shared by every run.
const tandrel::CUnitTable& DefaultTable() {
    static tandrel::CMemoryPlatform platform;
    static tandrel::ScopedPlatform installed(platform.View());
    static const tandrel::CUnitTable table = tandrel::LoadUnitTable();
    return table;
}

void BM_FindUnit(benchmark::State& state) {
    const tandrel::CUnitTable& table = DefaultTable();
    std::string text = Repeated<std::string>("KMkmKmkM", static_cast<std::size_t>(state.range(0)));
    if (table.FindUnit(text) == nullptr) {
        state.SkipWithError("the worst case should still find km");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(table.FindUnit(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void BM_RecognizeAmountAndUnit(benchmark::State& state) {
    const tandrel::CUnitTable& table = DefaultTable();
    std::size_t characters = static_cast<std::size_t>(state.range(0)) / sizeof(char16_t);
    // Letters before the amount, the amount, then a unit text as long as the rest.
    std::u16string text = Repeated<std::u16string>(u"abcdefgh", characters / 4) + u"12.5 " +
                          Repeated<std::u16string>(u"nautical mile", characters);
    text.resize(characters);
    for (auto _ : state)
        benchmark::DoNotOptimize(tandrel::RecognizeAmountAndUnit(text, table));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

} // namespace

BENCHMARK(BM_FindUnit)->Arg(1 << 10)->Arg(100 << 10)->Arg(1 << 20)->Arg(10 << 20);
BENCHMARK(BM_RecognizeAmountAndUnit)->Arg(1 << 10)->Arg(100 << 10)->Arg(1 << 20)->Arg(10 << 20);
