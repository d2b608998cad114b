// The amount and the currency guessed from a selection, on their worst cases. The amount is one
// run of digits and separators as long as the selection, with its one decimal point at the end,
// so that every digit is kept. The guess finds no currency code, so the symbol search reads the
// whole text, at every character trying the most symbols that start alike (nine begin with
// U+062F) and failing on their third; the domain's currency is the answer. The other guess finds
// codes and symbols on every word, each inside a longer one, so none counts. Sizes are bytes of
// UTF-16 text.
#include "BenchSupport.h"
#include "conversions/Currency.h"

#include <string>

namespace {

using namespace tandrel::bench;

void BM_CurrencyAmount(benchmark::State& state) {
    const std::u16string text = RepeatedWide(u"Price: ", state.range(0) / 4) +
                                RepeatedWide(u"1,234", state.range(0) * 3 / 4 - 6) + u".56";
    tandrel::CPageContext page;
    if (!LoadPage(page, PageTexts{text, {}, {}, {}, {}, {}, {}}) ||
        page.CurrencyAmount().size() < text.size() / 2) {
        state.SkipWithError("the amount should keep every digit");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(page.CurrencyAmount());
    SetBytesRead(state, BytesOf(text));
}

void BM_GuessCurrency(benchmark::State& state) {
    InstallMemoryPlatform();
    const std::u16string text = RepeatedWide(u"\u062F.\u062F.QQQ ", state.range(0));
    const tandrel::CCurrency* expected = tandrel::CurrencyFromDomain(u"ch");
    if (expected == nullptr || tandrel::GuessCurrency(u"ch", text, "USD") != expected) {
        state.SkipWithError("the worst case should fall back to the domain's currency");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(tandrel::GuessCurrency(u"ch", text, "USD"));
    SetBytesRead(state, BytesOf(text));
}

// Codes and symbols made of letters all through the text, each inside a longer word (an accented
// one among them), so that every one is found, judged by its neighbours and passed over.
void BM_GuessCurrencyInWords(benchmark::State& state) {
    InstallMemoryPlatform();
    // Whole copies only: a word cut short at the end ("USDollars" to "USD") would stand apart.
    constexpr std::u16string_view kWords = u"CALL OPEN D\u00C9PENSE USDollars flight known Ukr. ";
    const std::size_t characters = static_cast<std::size_t>(state.range(0)) / sizeof(char16_t);
    const std::u16string text = Repeated(kWords, characters - characters % kWords.size());
    const tandrel::CCurrency* expected = tandrel::CurrencyFromDomain(u"ch");
    if (expected == nullptr || tandrel::GuessCurrency(u"ch", text, "USD") != expected) {
        state.SkipWithError("no code or symbol inside a word should count");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(tandrel::GuessCurrency(u"ch", text, "USD"));
    SetBytesRead(state, BytesOf(text));
}

} // namespace

BENCHMARK(BM_CurrencyAmount)
    ->Name("CPageContext::CurrencyAmount (one long grouped amount)")
    ->Apply(TextSizes);
BENCHMARK(BM_GuessCurrency)->Name("GuessCurrency (near symbols, no code)")->Apply(TextSizes);
BENCHMARK(BM_GuessCurrencyInWords)
    ->Name("GuessCurrency (codes and symbols inside words)")
    ->Apply(TextSizes);
