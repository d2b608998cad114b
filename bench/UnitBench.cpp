// The unit lookup and the amount recognition on their worst cases. FindUnit follows the aliases
// that start like the text, as written and lowered, so its worst case is a table of near-aliases:
// some part from the text at each of its first 64 bytes (a search where they part), others follow
// it for half and for all but the last of its length, so that both walks run to the end of the
// text and find only "km". Recognition reads the selection once: letters before the amount and a
// long unit text after it, or one long number. Sizes are bytes of text: ANSI for FindUnit,
// UTF-16 for recognition.
#include "BenchSupport.h"
#include "common/TextConversion.h"
#include "config/ConfigParser.h"
#include "conversions/UnitRecognition.h"

#include <memory>
#include <string>

namespace {

using namespace tandrel::bench;

// A text whose lowered form differs from it, so that FindUnit walks the index twice.
std::string NearAliasText(std::int64_t bytes) {
    return RepeatedAnsi("KmkMKMkm", bytes);
}

// One unit "km" and near-aliases of the text: its starts of every length up to 64 and of half
// and all but one of its length, as written and lowered, each ended by a byte the text never
// holds. Every alias of the one unit line, so that loading stays quick.
std::unique_ptr<tandrel::CUnitTable> NearAliasTable(const std::string& text) {
    std::string lowered = tandrel::AsciiLower(text);
    std::string line = "km";
    for (const std::string* start : {&text, static_cast<const std::string*>(&lowered)}) {
        std::size_t lengths[] = {start->size() / 2, start->size() - 1};
        for (std::size_t length = 1; length <= 64 && length < start->size(); ++length) {
            for (char end : {'#', '$', '%', '&'})
                line += "," + start->substr(0, length) + end;
        }
        for (std::size_t length : lengths)
            line += "," + start->substr(0, length) + "#";
    }
    tandrel::CSectionList sections;
    tandrel::ParseConfigText(sections, "[UNIT:Near]\ncategory=length\nten+0=" + line + "\n",
                             "UNIT:");
    auto table = std::make_unique<tandrel::CUnitTable>();
    table->Load(sections);
    return table;
}

void BM_FindUnit(benchmark::State& state) {
    InstallMemoryPlatform();
    const std::string text = NearAliasText(state.range(0));
    const std::unique_ptr<tandrel::CUnitTable> table = NearAliasTable(text);
    const tandrel::CUnit* found = table->FindUnit(text);
    if (found == nullptr || found->GetName() != "km") {
        state.SkipWithError("the worst case should find km");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(table->FindUnit(text));
    SetBytesRead(state, state.range(0));
}

// The platform and the stored default table, shared by every run.
const tandrel::CUnitTable& DefaultTable() {
    InstallMemoryPlatform();
    static const tandrel::CUnitTable table = tandrel::LoadUnitTable();
    return table;
}

void RunRecognition(benchmark::State& state, const std::u16string& text) {
    const tandrel::CUnitTable& table = DefaultTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(tandrel::RecognizeAmountAndUnit(text, table));
    SetBytesRead(state, BytesOf(text));
}

// Letters before the amount, the amount, then a unit text as long as the rest.
void BM_RecognizeLongUnitText(benchmark::State& state) {
    std::u16string text = RepeatedWide(u"abcdefgh", state.range(0) / 4) + u"12.5 " +
                          RepeatedWide(u"nautical mile", state.range(0));
    text.resize(static_cast<std::size_t>(state.range(0)) / sizeof(char16_t));
    RunRecognition(state, text);
}

// A number as long as the text, read whole, then a unit.
void BM_RecognizeLongNumber(benchmark::State& state) {
    std::u16string text = u"-." + RepeatedWide(u"1234567890", state.range(0) - 8) + u" km";
    RunRecognition(state, text);
}

} // namespace

BENCHMARK(BM_FindUnit)->Name("CUnitTable::FindUnit (near-aliases)")->Apply(TextSizes);
BENCHMARK(BM_RecognizeLongUnitText)
    ->Name("RecognizeAmountAndUnit (long unit text)")
    ->Apply(TextSizes);
BENCHMARK(BM_RecognizeLongNumber)->Name("RecognizeAmountAndUnit (long number)")->Apply(TextSizes);
