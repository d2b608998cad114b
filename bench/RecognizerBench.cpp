// The recognisers on selections built to be the worst case of each: digit runs that never pass a
// check, written in the digits of other scripts (each one a table search) where that is slower,
// one endless run whose every piece between blanks is checked, exchange prefixes repeated, long
// capital runs. Every search is one pass, so the time per byte stays flat from 1 KB to 10 MB.
// Sizes are bytes of UTF-16 text (two per character).
#include "BenchSupport.h"
#include "recognizers/Recognizers.h"

#include <string>

namespace {

using namespace tandrel::bench;
using Finder = std::optional<std::u16string> (*)(std::u16string_view);

// Ten digits, each from another script's block, then a letter: every run has exactly ten digits,
// so each one is checked, and none is an ISBN because only '0'..'9' pass the check.
constexpr std::u16string_view kWideIsbnRun =
    u"\u09E6\u0660\uFF10\u0BE6\uA620\u1810\u0030\u0F20\u17E0\u0ED0x";

// Twelve such digits and a comma: every run is a candidate for a full and a short UPC-A.
constexpr std::u16string_view kWideUpcRun =
    u"\uFF10\u0663\u06F6\u0966\u09E6\u0A66\u0AE6\u0B69\u0BE1\u0C64\u0CE5\u0D63,";

// Twelve ASCII digits that fail the UPC-A check: a candidate for the full and the short finder,
// and never eleven alone for the completing one.
constexpr std::u16string_view kAsciiUpcRun = u"036000291453,";

// One run that never ends, of ten-digit pieces between spaces that fail the ISBN-10 check: the
// run is longer than any code, so every piece is checked as a blank ends it.
std::u16string IsbnPiecesWorstCase(std::int64_t bytes) {
    return RepeatedWide(u"0306406153 ", bytes);
}

// The same with twelve-digit pieces that fail the UPC-A check, for the full and the short finder.
std::u16string UpcPiecesWorstCase(std::int64_t bytes) {
    return RepeatedWide(u"036000291453 ", bytes);
}

// Runs of ten wide digits, then one run of ones: it never ends at ten, and every one of its
// digits starts thirteen that fail the EAN-13 check (1+3+1+... = 25).
std::u16string IsbnWorstCase(std::int64_t bytes) {
    return RepeatedWide(kWideIsbnRun, bytes / 2) + RepeatedWide(u"1", bytes - bytes / 2);
}

std::u16string EanWorstCase(std::int64_t bytes) {
    return RepeatedWide(u"1", bytes);
}

// A run cut short at the end is blanked out, so that no run of eleven is left there.
std::u16string BlankLastShortRun(std::u16string text) {
    std::size_t lastComma = text.rfind(u',');
    if (lastComma != std::u16string::npos && text.size() - lastComma - 1 < 12)
        text.replace(lastComma, std::u16string::npos, text.size() - lastComma, u',');
    return text;
}

std::u16string WideUpcWorstCase(std::int64_t bytes) {
    return BlankLastShortRun(RepeatedWide(kWideUpcRun, bytes));
}

std::u16string AsciiUpcWorstCase(std::int64_t bytes) {
    return BlankLastShortRun(RepeatedWide(kAsciiUpcRun, bytes));
}

// Both kinds of run, so that each of the three UPC finders has work on the page.
std::u16string UpcWorstCase(std::int64_t bytes) {
    return BlankLastShortRun(
        RepeatedWide(std::u16string(kAsciiUpcRun) + std::u16string(kWideUpcRun), bytes));
}

// Every ":" makes the rest of the text a new search.
std::u16string ExchangesWorstCase(std::int64_t bytes) {
    return RepeatedWide(u"A:", bytes);
}

// A finder on its worst case.
struct FinderCase {
    const char* name;
    Finder find;
    std::u16string (*make)(std::int64_t bytes);
};

const FinderCase kFinderCases[] = {
    {"FindIsbn10 (wide-digit runs of ten, ones)", tandrel::FindIsbn10, IsbnWorstCase},
    {"FindEan13 (ones)", tandrel::FindEan13, EanWorstCase},
    {"FindUpc12 (wide-digit runs of twelve)", tandrel::FindUpc12, WideUpcWorstCase},
    {"FindShortUpc (wide-digit runs of twelve)", tandrel::FindShortUpc, WideUpcWorstCase},
    {"CompleteUpc11 (runs of twelve)", tandrel::CompleteUpc11, AsciiUpcWorstCase},
    {"FindIsbn10 (one run of ten-digit pieces)", tandrel::FindIsbn10, IsbnPiecesWorstCase},
    {"FindUpc12 (one run of twelve-digit pieces)", tandrel::FindUpc12, UpcPiecesWorstCase},
    {"FindShortUpc (one run of twelve-digit pieces)", tandrel::FindShortUpc, UpcPiecesWorstCase},
};

void RunFinder(benchmark::State& state, const FinderCase& finder) {
    const std::u16string text = finder.make(state.range(0));
    if (finder.find(text)) {
        state.SkipWithError("the worst case holds a code");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(finder.find(text));
    SetBytesRead(state, BytesOf(text));
}

const bool kFindersRegistered = [] {
    for (const FinderCase& finder : kFinderCases)
        benchmark::RegisterBenchmark(finder.name, RunFinder, finder)->Apply(TextSizes);
    return true;
}();

void RunStockSymbol(benchmark::State& state, const std::u16string& text) {
    for (auto _ : state)
        benchmark::DoNotOptimize(tandrel::FindStockSymbol(text));
    SetBytesRead(state, BytesOf(text));
}

void BM_FindStockSymbolExchanges(benchmark::State& state) {
    RunStockSymbol(state, ExchangesWorstCase(state.range(0)));
}

// Each ":" also opens a bracket, which cuts the rest again.
void BM_FindStockSymbolBracketedExchanges(benchmark::State& state) {
    RunStockSymbol(state, u"(" + RepeatedWide(u"AB:(", state.range(0)) + u")");
}

// Long capital runs that lowercase letters touch, so none is a symbol.
void BM_FindStockSymbolCapitals(benchmark::State& state) {
    RunStockSymbol(state, RepeatedWide(u"aABCDEFGHIJKLMNOPQRSTUVWXYZ.ABCDEFGHIJKLMNOPQRSTUVWXYZb",
                                       state.range(0)));
}

// A page whose selection, HTML and both addresses are all the worst case, so that every source
// is searched by every finder; the bytes counted are those of all four. The cached answer is
// found afresh on a copy of the loaded page: copying it is part of the time, as loading is part
// of every command.
void RunPage(benchmark::State& state, const std::u16string& text,
             std::u16string (tandrel::CPageContext::*recognise)()) {
    tandrel::CPageContext loaded;
    if (!LoadPage(loaded, PageTexts{text, text, text, text, {}, {}, {}}) ||
        !(tandrel::CPageContext(loaded).*recognise)().empty()) {
        state.SkipWithError("the page does not load or holds a code");
        return;
    }
    for (auto _ : state) {
        tandrel::CPageContext page = loaded;
        benchmark::DoNotOptimize((page.*recognise)());
    }
    SetBytesRead(state, 4 * BytesOf(text));
}

void BM_IsbnFromContext(benchmark::State& state) {
    RunPage(state, IsbnWorstCase(state.range(0)), &tandrel::CPageContext::IsbnFromContext);
}

void BM_UpcFromContext(benchmark::State& state) {
    RunPage(state, UpcWorstCase(state.range(0)), &tandrel::CPageContext::UpcFromContext);
}

// Only the selection is read.
void BM_StockSymbolFromContext(benchmark::State& state) {
    const std::u16string text = ExchangesWorstCase(state.range(0));
    tandrel::CPageContext page;
    if (!LoadPage(page, PageTexts{text, {}, {}, {}, {}, {}, {}})) {
        state.SkipWithError("the page does not load");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(page.StockSymbolFromContext());
    SetBytesRead(state, BytesOf(text));
}

BENCHMARK(BM_FindStockSymbolExchanges)->Name("FindStockSymbol (A: repeated)")->Apply(TextSizes);
BENCHMARK(BM_FindStockSymbolBracketedExchanges)
    ->Name("FindStockSymbol (AB:( repeated)")
    ->Apply(TextSizes);
BENCHMARK(BM_FindStockSymbolCapitals)
    ->Name("FindStockSymbol (capital runs touched by lowercase)")
    ->Apply(TextSizes);
BENCHMARK(BM_IsbnFromContext)->Name("IsbnFromContext (four sources)")->Apply(TextSizes);
BENCHMARK(BM_UpcFromContext)->Name("UpcFromContext (four sources)")->Apply(TextSizes);
BENCHMARK(BM_StockSymbolFromContext)
    ->Name("StockSymbolFromContext (A: repeated)")
    ->Apply(TextSizes);

} // namespace
