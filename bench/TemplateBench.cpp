// Template expansion on its two worst cases, URL-encoded and console-safe, so that every value
// is encoded and cleared of what a console breaks on: a template with every macro and
// escape over a page whose selection and HTML are as long as the size (made of characters that
// all encode to three, blanks in runs to collapse, the characters a console blanks), and a
// template as long as the size made of nothing but macros over an ordinary page.
// Sizes are bytes of UTF-16 selection (its HTML as long again, and counted), or of template.
#include "BenchSupport.h"
#include "actions/MacroExpansion.h"

#include <string>

namespace {

using namespace tandrel::bench;

constexpr std::string_view kEveryMacro =
    "https://www.example.com/?q=!S&c=!s&m=!-&h=!O&o=!o&D=!D&d=!d&F=!F&f=!f&H=!H&h=!h&I=!I&i=!i"
    "&L=!L&l=!l&T=!T&t=!t&U=!U&u=!u&W=!W&w=!w&C=!C&c=!c&x=!x&e=!!\\n\\s\\t\\\\";

PageTexts OrdinaryPage() {
    return PageTexts{u"ISBN 0-306-40615-2 & \"more\"",
                     u"<b>ISBN</b> 0-306-40615-2",
                     u"https://books.example.co.uk/frame?id=12",
                     u"https://books.example.co.uk/search?q=isbn",
                     u"books.example.co.uk",
                     u"Books \u00E9 \u4E2D",
                     u"main"};
}

// With freshPage, each iteration expands on a copy of the loaded page, so that the currency is
// guessed afresh every time (over a large selection, a good part of the work). Otherwise the one
// page is used throughout, as every template after the first in a command is: its currencies are
// known after the first iteration.
void RunExpansion(benchmark::State& state, std::string_view templateText, const PageTexts& texts,
                  std::int64_t bytes, bool freshPage) {
    InstallMemoryPlatform();
    tandrel::CPageContext loaded;
    if (!LoadPage(loaded, texts)) {
        state.SkipWithError("the page does not load");
        return;
    }
    const tandrel::Substitution substitution{true, true};
    for (auto _ : state) {
        if (freshPage) {
            tandrel::CPageContext page = loaded;
            benchmark::DoNotOptimize(tandrel::ExpandTemplate(templateText, page, substitution));
        } else {
            benchmark::DoNotOptimize(tandrel::ExpandTemplate(templateText, loaded, substitution));
        }
    }
    SetBytesRead(state, bytes);
}

void BM_ExpandLargeSelection(benchmark::State& state) {
    PageTexts texts = OrdinaryPage();
    texts.selection = RepeatedWide(u" a &  b\t\"\u00E9\u4E2D|<>^\r\n", state.range(0));
    texts.html = texts.selection;
    RunExpansion(state, kEveryMacro, texts, 2 * BytesOf(texts.selection), true);
}

void BM_ExpandLongTemplate(benchmark::State& state) {
    const std::string templateText =
        RepeatedAnsi("!S!s!-!O!D!d!F!H!h!I!L!T!t!U!u!W!w!C!x!!\\n", state.range(0));
    RunExpansion(state, templateText, OrdinaryPage(), state.range(0), false);
}

} // namespace

BENCHMARK(BM_ExpandLargeSelection)
    ->Name("ExpandTemplate (every macro, large selection)")
    ->Apply(TextSizes);
BENCHMARK(BM_ExpandLongTemplate)
    ->Name("ExpandTemplate (template of macros only)")
    ->Apply(TextSizes);
