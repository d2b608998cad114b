// What the benchmarks share: the text sizes at which time per byte must stay flat, texts made by
// repeating a pattern, the byte counters, the in-memory platform with the stored defaults, and a
// page held in memory whose every source holds the same text.
#pragma once

#include "common/MemoryPlatform.h"
#include "page/MemoryBrowser.h"
#include "page/PageContext.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <climits>
#include <cstdint>
#include <string>
#include <string_view>

namespace tandrel::bench {

constexpr std::int64_t kKilobyte = 1 << 10;
constexpr std::int64_t kMegabyte = 1 << 20;

/// Freed memory stays with the process for the whole run. By default glibc maps blocks above a
/// threshold (which it raises up to 32 MB) straight from the kernel and unmaps them when freed, so
/// the 10 MB cases, whose results pass that size, would get fresh pages on every iteration while
/// the smaller ones reuse theirs: the kernel clearing pages would then make the time per byte
/// grow with the size when the code's does not.
inline const bool kFreedMemoryKept =
    mallopt(M_MMAP_MAX, 0) == 1 && mallopt(M_TRIM_THRESHOLD, INT_MAX) == 1;

/// The pattern repeated to the given number of characters, the last copy cut short.
template <typename Char>
std::basic_string<Char> Repeated(std::basic_string_view<Char> pattern, std::size_t characters) {
    std::basic_string<Char> text;
    text.reserve(characters);
    while (text.size() < characters)
        text.append(pattern.substr(0, characters - text.size()));
    return text;
}

/// The pattern repeated to the given size in bytes of UTF-16 text (two bytes a character).
inline std::u16string RepeatedWide(std::u16string_view pattern, std::int64_t bytes) {
    return Repeated(pattern, static_cast<std::size_t>(bytes) / sizeof(char16_t));
}

/// The pattern repeated to the given size in bytes of ANSI text.
inline std::string RepeatedAnsi(std::string_view pattern, std::int64_t bytes) {
    return Repeated(pattern, static_cast<std::size_t>(bytes));
}

/// The bytes of a wide text.
inline std::int64_t BytesOf(std::u16string_view text) {
    return static_cast<std::int64_t>(text.size() * sizeof(char16_t));
}

/// 1 KB, 100 KB, 1 MB and 10 MB: a size-scaled benchmark runs at each of these, and scripts/bench
/// compares its time per byte across them.
inline void TextSizes(benchmark::internal::Benchmark* benchmark) {
    for (std::int64_t bytes : {kKilobyte, 100 * kKilobyte, kMegabyte, 10 * kMegabyte})
        benchmark->Arg(bytes);
}

/// Counts the bytes one iteration reads, for the bytes_per_second figure.
inline void SetBytesRead(benchmark::State& state, std::int64_t bytesPerIteration) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytesPerIteration);
}

/// Installs the in-memory platform (the stored defaults, no configuration file) for the rest of
/// the run. Every call after the first does nothing.
inline void InstallMemoryPlatform() {
    static CMemoryPlatform platform;
    static ScopedPlatform installed(platform.View());
}

/// The sources of a page that the recognisers and templates read.
struct PageTexts {
    std::u16string selection;
    std::u16string html;
    std::u16string frameAddress;
    std::u16string topAddress;
    std::u16string hostName;
    std::u16string title;
    std::u16string name;
};

/// A context loaded from a memory page holding the texts, the frame and the top window alike;
/// false when it does not load.
inline bool LoadPage(CPageContext& page, const PageTexts& texts) {
    auto top = std::make_shared<CMemoryWindow>();
    top->href = texts.topAddress;
    top->hostName = texts.hostName;
    top->title = texts.title;
    top->name = texts.name;
    top->screen = ScreenSize{640, 480};
    auto frame = top->MakeFrame();
    frame->href = texts.frameAddress;
    frame->hostName = texts.hostName;
    frame->title = texts.title;
    frame->name = texts.name;
    frame->screen = top->screen;
    frame->selection = SelectionText{texts.selection, texts.html};
    return !Failed(page.Load(frame));
}

} // namespace tandrel::bench
