// The recognisers on selections built to be the worst case of each: long digit runs that never
// pass a check, exchange prefixes repeated, long capital runs. Every search is one pass, so the
// time per byte stays flat from 1 KB to 10 MB. Sizes are bytes of UTF-16 text (two per character).
#include "page/MemoryBrowser.h"
#include "page/PageContext.h"
#include "recognizers/Recognizers.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using Finder = std::optional<std::u16string> (*)(std::u16string_view);

// The pattern repeated to the given size in bytes.
std::u16string Repeated(std::u16string_view pattern, std::int64_t bytes) {
    std::size_t characters = static_cast<std::size_t>(bytes) / sizeof(char16_t);
    std::u16string text;
    text.reserve(characters);
    while (text.size() < characters)
        text.append(pattern.substr(0, characters - text.size()));
    return text;
}

// Runs of ten digits that fail the ISBN-10 check, then one run of ones that never ends at ten.
std::u16string IsbnWorstCase(std::int64_t bytes) {
    return Repeated(u"0306406153x", bytes / 2) + Repeated(u"1", bytes - bytes / 2);
}

// One letter-free run: every digit starts thirteen that fail the check (1+3+1+... = 25).
std::u16string EanWorstCase(std::int64_t bytes) {
    return Repeated(u"1", bytes);
}

// Twelve digits that fail the UPC-A check in each run, never eleven alone: a run cut short at
// the end is blanked out.
std::u16string UpcWorstCase(std::int64_t bytes) {
    std::u16string text = Repeated(u"036000291453,", bytes);
    std::size_t lastComma = text.rfind(u',');
    if (lastComma != std::u16string::npos && text.size() - lastComma - 1 < 12)
        text.replace(lastComma, std::u16string::npos, text.size() - lastComma, u',');
    return text;
}

void RunFinder(benchmark::State& state, Finder find, const std::u16string& text) {
    if (find(text)) {
        state.SkipWithError("the worst case holds a code");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(find(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size() * sizeof(char16_t)));
}

void BM_FindIsbn10(benchmark::State& state) {
    RunFinder(state, tandrel::FindIsbn10, IsbnWorstCase(state.range(0)));
}

void BM_FindEan13(benchmark::State& state) {
    RunFinder(state, tandrel::FindEan13, EanWorstCase(state.range(0)));
}

void BM_FindUpc12(benchmark::State& state) {
    RunFinder(state, tandrel::FindUpc12, UpcWorstCase(state.range(0)));
}

void BM_FindShortUpc(benchmark::State& state) {
    RunFinder(state, tandrel::FindShortUpc, UpcWorstCase(state.range(0)));
}

void BM_CompleteUpc11(benchmark::State& state) {
    RunFinder(state, tandrel::CompleteUpc11, UpcWorstCase(state.range(0)));
}

void RunStockSymbol(benchmark::State& state, const std::u16string& text) {
    for (auto _ : state)
        benchmark::DoNotOptimize(tandrel::FindStockSymbol(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size() * sizeof(char16_t)));
}

// Every ":" starts the search again on the rest of the text.
void BM_FindStockSymbolExchanges(benchmark::State& state) {
    RunStockSymbol(state, Repeated(u"A:", state.range(0)));
}

// Each ":" also opens a bracket, which cuts the rest again.
void BM_FindStockSymbolBracketedExchanges(benchmark::State& state) {
    RunStockSymbol(state, u"(" + Repeated(u"AB:(", state.range(0)) + u")");
}

// Long capital runs that lowercase letters touch, so none is a symbol.
void BM_FindStockSymbolCapitals(benchmark::State& state) {
    RunStockSymbol(state, Repeated(u"aABCDEFGHIJKLMNOPQRSTUVWXYZ.ABCDEFGHIJKLMNOPQRSTUVWXYZb",
                                   state.range(0)));
}

// A page whose selection, HTML and both addresses are all the worst case, so every source is
// searched by every finder. The cached answer is found afresh on a copy of the loaded page.
void RunPage(benchmark::State& state, const std::u16string& text,
             std::u16string (tandrel::CPageContext::*recognise)()) {
    auto top = std::make_shared<tandrel::CMemoryWindow>();
    top->href = text;
    top->screen = tandrel::ScreenSize{640, 480};
    auto frame = top->MakeFrame();
    frame->href = text;
    frame->screen = top->screen;
    frame->selection = tandrel::SelectionText{text, text};
    tandrel::CPageContext loaded;
    if (tandrel::Failed(loaded.Load(frame)) ||
        !(tandrel::CPageContext(loaded).*recognise)().empty()) {
        state.SkipWithError("the page does not load or holds a code");
        return;
    }
    for (auto _ : state) {
        tandrel::CPageContext page = loaded;
        benchmark::DoNotOptimize((page.*recognise)());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 4 *
                            static_cast<std::int64_t>(text.size() * sizeof(char16_t)));
}

void BM_IsbnFromContext(benchmark::State& state) {
    RunPage(state, IsbnWorstCase(state.range(0)), &tandrel::CPageContext::IsbnFromContext);
}

void BM_UpcFromContext(benchmark::State& state) {
    RunPage(state, UpcWorstCase(state.range(0)), &tandrel::CPageContext::UpcFromContext);
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
    for (std::int64_t bytes : {1 << 10, 10 << 10, 100 << 10, 1 << 20, 10 << 20})
        benchmark->Arg(bytes);
}

BENCHMARK(BM_FindIsbn10)->Apply(Sizes);
BENCHMARK(BM_FindEan13)->Apply(Sizes);
BENCHMARK(BM_FindUpc12)->Apply(Sizes);
BENCHMARK(BM_FindShortUpc)->Apply(Sizes);
BENCHMARK(BM_CompleteUpc11)->Apply(Sizes);
BENCHMARK(BM_FindStockSymbolExchanges)->Apply(Sizes);
BENCHMARK(BM_FindStockSymbolBracketedExchanges)->Apply(Sizes);
BENCHMARK(BM_FindStockSymbolCapitals)->Apply(Sizes);
BENCHMARK(BM_IsbnFromContext)->Apply(Sizes);
BENCHMARK(BM_UpcFromContext)->Apply(Sizes);

} // namespace
