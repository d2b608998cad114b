#!/usr/bin/env python3
"""Turns tandrel_bench's JSON output (and the Windows rows measured under Wine, when there are
any) into docs/performance.md: one table of every figure, its goal and whether it is met.

Usage: bench_report.py BENCH_JSON BUILD_DIR WINE_STATUS [WINE_ROWS [WASM_STATUS WASM_JSON]]
  WINE_STATUS: "ok" (WINE_ROWS holds the rows), "absent" (no bench/windows/wine-bench.sh) or a
  sentence telling why the Windows figures were not measured.
  WASM_STATUS: "ok" (WASM_JSON holds what bench/web/bench-core.mjs printed), "absent" (no
  WebAssembly build in this tree) or a sentence telling why the module was not measured.
Writes the document to stdout.
"""

import datetime
import json
import os
import platform
import re
import subprocess
import sys

SIZES = {1024: "1 KB", 100 * 1024: "100 KB", 1 << 20: "1 MB", 10 << 20: "10 MB"}
LINT_CASES = {
    "ConfigurationOf": "link and unit sections",
    "LongKeyLineOf": "one endless key",
    "LineEndsOf": "nothing but line ends",
}
FLAT_GOAL = 2.0          # largest over smallest time per byte
ONE_MEGABYTE_GOAL = 10.0  # milliseconds for a call on 1 MB
TIME_UNITS_IN_NS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


def run(command):
    try:
        out = subprocess.run(command, capture_output=True, text=True, check=False).stdout
        return out.strip().splitlines()[0] if out.strip() else "not found"
    except OSError:
        return "not found"


def first_match(path, pattern):
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            for line in f:
                m = re.match(pattern, line)
                if m:
                    return m.group(1).strip()
    except OSError:
        pass
    return "unknown"


def package_version(name):
    return run(["dpkg-query", "-W", "-f=${Version}", name])


def machine(build_dir):
    compiler = first_match(os.path.join(build_dir, "CMakeCache.txt"),
                           r"CMAKE_CXX_COMPILER:\w+=(.*)") or "c++"
    memory_kb = first_match("/proc/meminfo", r"MemTotal:\s*(\d+)")
    memory = (f"{int(memory_kb) / (1 << 20):.1f} GiB" if memory_kb.isdigit() else "unknown")
    return [
        ("CPU", first_match("/proc/cpuinfo", r"model name\s*:\s*(.*)")),
        ("Cores", str(os.cpu_count())),
        ("Memory", memory),
        ("OS", first_match("/etc/os-release", r'PRETTY_NAME="?([^"]*)"?') + ", kernel " +
         platform.release()),
        ("Native compiler", run([compiler, "--version"])),
        ("Windows compiler", run(["x86_64-w64-mingw32-g++-posix", "--version"])),
        ("Wine", run(["wine", "--version"])),
        ("Libraries", f"Google Benchmark {package_version('libbenchmark-dev')}, "
                      f"libinih {package_version('libinih-dev')}"),
        ("Date", datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")),
    ]


class Measurement:
    """The best of the repetitions of one benchmark run."""

    def __init__(self):
        self.cpu_ns = None
        self.bytes_per_second = None
        self.error = None

    def add(self, entry):
        if entry.get("error_occurred"):
            self.error = entry.get("error_message", "failed")
            return
        cpu_ns = entry["cpu_time"] * TIME_UNITS_IN_NS[entry.get("time_unit", "ns")]
        if self.cpu_ns is None or cpu_ns < self.cpu_ns:
            self.cpu_ns = cpu_ns
        rate = entry.get("bytes_per_second")
        if rate and (self.bytes_per_second is None or rate > self.bytes_per_second):
            self.bytes_per_second = rate

    def ns_per_byte(self):
        return 1e9 / self.bytes_per_second if self.bytes_per_second else None


def load(path):
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    runs = {}
    for entry in data.get("benchmarks", []):
        if entry.get("run_type", "iteration") != "iteration":
            continue
        runs.setdefault(entry["run_name"], Measurement()).add(entry)
    return runs


def met(ok):
    return "yes" if ok else "**no**"


def parsing_rows(runs):
    rows = []
    for size in (1 << 20, 10 << 20):
        for share, text in ((1, "every section has the prefix"), (12, "one section in twelve has it")):
            suffix = f"/bytes:{size}/share:{share}"
            ours = runs.get("ParseConfigText" + suffix)
            theirs = runs.get("ini_parse_string" + suffix)
            figure = f"Configuration parsing, {SIZES[size]}, {text}: MB/s ours / libinih (ratio)"
            if not ours or not theirs or ours.error or theirs.error:
                why = (ours and ours.error) or (theirs and theirs.error) or "not run"
                rows.append((figure, f"not measured: {why}", "ratio ≥ 1", met(False)))
                continue
            ours_mb = ours.bytes_per_second / 1e6
            theirs_mb = theirs.bytes_per_second / 1e6
            ratio = ours_mb / theirs_mb
            rows.append((figure, f"{ours_mb:.0f} / {theirs_mb:.0f} ({ratio:.2f})", "ratio ≥ 1",
                         met(ratio >= 1)))
    return rows


def scaled_families(runs):
    """Benchmarks named "family/N": the size-scaled ones, in the order they ran."""
    families = {}
    for name, measurement in runs.items():
        family, _, size = name.rpartition("/")
        if family and size.isdigit():
            families.setdefault(family, {})[int(size)] = measurement
    return families


def scaled_rows(family, sizes, label, unit_bytes, time_goal):
    rows = []
    errors = [m.error for m in sizes.values() if m.error]
    figure = f"{label}: ns/byte at " + ", ".join(
        SIZES.get(s * unit_bytes, f"{s} MB") for s in sorted(sizes)) + " (max/min)"
    if errors:
        rows.append((figure, f"not measured: {errors[0]}", f"max/min ≤ {FLAT_GOAL:g}", met(False)))
        return rows
    per_byte = [sizes[s].ns_per_byte() for s in sorted(sizes)]
    flat = max(per_byte) / min(per_byte)
    rows.append((figure, ", ".join(f"{v:.3g}" for v in per_byte) + f" ({flat:.2f})",
                 f"max/min ≤ {FLAT_GOAL:g}", met(flat <= FLAT_GOAL)))
    if time_goal:
        at_one = sizes.get((1 << 20) // unit_bytes)
        if at_one is not None:
            ms = at_one.cpu_ns / 1e6
            rows.append((f"{label}: time at 1 MB", f"{ms:.3g} ms", f"< {ONE_MEGABYTE_GOAL:g} ms",
                         met(ms < ONE_MEGABYTE_GOAL)))
    return rows


def native_rows(runs):
    rows = parsing_rows(runs)
    for family, sizes in scaled_families(runs).items():
        lint = re.fullmatch(r"BM_Lint<(\w+)>", family)
        if lint:
            label = f"LintConfigText ({LINT_CASES.get(lint.group(1), lint.group(1))})"
            rows += scaled_rows(family, sizes, label, 1 << 20, time_goal=False)
        else:
            rows += scaled_rows(family, sizes, family, 1, time_goal=True)
    return rows


def table(rows):
    lines = ["| figure | value | goal | met |", "|---|---|---|---|"]
    lines += [f"| {a} | {b} | {c} | {d} |" for a, b, c, d in rows]
    return lines


def wine_section(status, rows_path):
    lines = ["## Windows, under Wine", ""]
    rows = []
    if status == "ok" and rows_path:
        with open(rows_path, encoding="utf-8", errors="replace") as f:
            rows = [line.rstrip() for line in f
                    if line.startswith("|") and line.rstrip().endswith("|")
                    and line.count("|") >= 5]
        if not rows:
            status = "bench/windows/wine-bench.sh printed no rows"
    if status == "absent":
        lines.append("Not measured: this tree has no `bench/windows/wine-bench.sh`.")
        return lines, 0, 0
    if rows:
        lines += ["| figure | value | goal | met |", "|---|---|---|---|"] + rows
        # A row without a goal ("n/a") counts neither way.
        results = [r.strip().strip("|").split("|")[-1].strip().lower() for r in rows]
        judged = [r for r in results if r not in ("n/a", "-", "")]
        return lines, sum(1 for r in judged if r.startswith("yes")), len(judged)
    lines.append(f"Not measured: {status}.")
    return lines, 0, 1


MODULE_GZIP_GOAL_KB = 150
CALL_RATIO_GOAL = 2.0     # WebAssembly time over native time, for prepare and finish
RATIO_CALLS = ("prepare", "finish")


# What building the module otherwise did to its size and speed (the same objects relinked, or
# the calls' code compiled again, then bench/web/bench-core.mjs), so that the next attempt starts
# from these figures rather than again from the start.
MODULE_OPTIONS_TRIED = [
    "Options tried on the module (December 2026, on a 2-core machine; gzipped sizes of "
    ".wasm + .mjs, times of `prepare` under node):",
    "",
    "- Linked at `-O2` instead of `-Oz`: +16 KB raw, the same gzipped, no faster (the calls' "
    "code is compiled at `-O2` and linked as bitcode, so the link's level changes little but "
    "binaryen's passes).",
    "- The calls' code compiled at `-O3`: +3 KB gzipped, no faster.",
    "- All of `src/web` at `-Oz`: 8 KB less gzipped, `prepare` 35–50 % slower; all but the "
    "request reader and the answer writer (`WebJson.cpp`, `JsonWriter.cpp`) at `-Oz`: 5–15 % "
    "slower than all at `-O2`, and the only split under 150 KB: kept; the in-memory platform at "
    "`-Oz` as well: 2 KB less, 15–20 % slower.",
    "- `-mbulk-memory -mnontrapping-fptoint -msign-ext` on every object and the link: the same "
    "size and speed.",
    "- `-sMALLOC=emmalloc`: 3 KB less gzipped than emscripten's default allocator (dlmalloc), "
    "which made `prepare` and `finish` about a tenth faster. Kept, with the module's own pool of "
    "small blocks in front of it (`src/web/module/ModuleAllocation.cpp`): +0.2 KB, and both "
    "calls a fifth faster than with emmalloc alone, faster than with dlmalloc.",
    "- libc++'s string members made in the module's own code (`-D_LIBCPP_DISABLE_EXTERN_TEMPLATE`"
    ", so that they are inlined rather than called) on all the code compiled for speed: +7 KB "
    "gzipped, `prepare` 11 % and `finish` 8 % faster; the same members instantiated once in the "
    "link-time optimised code: +5 KB, a fifth faster. Instead they are instantiated once at "
    "`-O2` outside the link-time optimisation (`src/web/module/StringMembers.cpp`), replacing "
    "the library's copies, which emscripten compiles at `-Oz`, where even `__is_long()` stays a "
    "call: 0.1 KB smaller, `prepare` and `finish` 16 % faster.",
    "- The answer writer appending to a `std::vector<char>` rather than a `std::string`: +0.8 KB, "
    "no faster once the string members are compiled for speed.",
    "- `-sFILESYSTEM=0`, `-flto`, no `-sEXPORTED_RUNTIME_METHODS` (the helper encodes and "
    "decodes with the platform's `TextEncoder` and `TextDecoder`) and no debugging information "
    "are in place; the module holds no iostream or locale code; `--closure 1` was not tried: "
    "Debian's `closure-compiler` is of 2013, older than the ES module glue it would minify, and "
    "the glue is 3 KB of the gzipped total.",
    "",
    "Keeping the parsed configuration between calls (8 December, on an idle machine, against "
    "the build before it): `prepare` 42.9 to 12.5 µs natively and 78.6 to 41.0 µs in the module, "
    "`finish` 57.5 to 29.3 and 129.1 to 79.2 µs. Every call got faster, the module's by 37 and "
    "50 µs, but the native calls by more as a share, so the ratios rose (they were 1.83 and 2.25 "
    "on the same machine): the parsing was work WebAssembly does nearly as fast as native code.",
    "",
    "Where the time goes (profiles of `prepare` and `finish` under node, `--profiling-funcs`): "
    "the configuration is parsed once per text and kept (`src/config/ParsedTexts.cpp`), as "
    "natively, so what is left is the per-call work: reading the request, building the page "
    "and the in-memory platform, copying the entries, writing the answer. Most of the time the "
    "module lost against native code went to emscripten's runtime rather than to our code: "
    "libc++'s string members called out of line at `-Oz` and emmalloc's `malloc` and `free`, "
    "a third of a call between them, which the two sources of `src/web/module/` took back. The "
    "JavaScript side of a call through the helper (making the request text, reading the answer "
    "back with `JSON.parse`) costs about 9 µs, three quarters of the whole native `prepare`: "
    "it is the extension's price for passing objects, which no native caller pays.",
]


def wasm_section(status, json_path, runs):
    """The module's size, its instantiation and each interface call against the same call
    natively (WebCall/<call> of tandrel_bench)."""
    lines = ["## WebAssembly module (node)", ""]
    if status == "absent":
        lines.append("Not measured: this tree has no WebAssembly build (`cmake/emscripten.cmake`).")
        return lines, 0, 0
    if status != "ok":
        lines.append(f"Not measured: {status}.")
        return lines, 0, 1
    with open(json_path, encoding="utf-8") as f:
        module = json.load(f)
    lines += ["Sizes in bytes; 150 KB is taken as 150,000 bytes. "
              "`tandrel-core.wasm` and `tandrel-core.mjs` of the Release build (the core's code at "
              "`-O2`; the interface's calls and dialogs, the checker and the stored texts at `-Oz`; "
              "the interface's request reading and answer writing at `-O2`; linked as one, with the "
              "string members the C++ library keeps out of line compiled again at `-O2` and "
              "operator new through a pool of small blocks in front of emscripten's small "
              "allocator, `src/web/module/`), "
              f"run by node {module.get('node', '')}. The WebAssembly time is the interface's "
              "exported C function (`tandrel_<call>`, JSON text in and out) as the native "
              "benchmark calls the same function: the request's text in the module's memory, the "
              "answer's text left there; the native time is `tandrel_bench`'s WebCall of the same "
              "request (`bench/web/requests.json`, on the stored default configuration). The goal "
              "is judged on these two, which do the same work. After them, the call through "
              "`tandrel-core-api.mjs` as the extension makes it, which adds JavaScript's own work "
              "that no native caller does: the request object made JSON text and the answer read "
              "back into objects (`JSON.stringify`, `JSON.parse`). Times are CPU time, the best "
              "of three rounds.",
              ""]
    rows = []
    rows.append(("Module size, .wasm + .mjs: raw (gzipped, node's zlib at level 9)",
                 f"{module['wasmBytes']:,} + {module['glueBytes']:,} bytes "
                 f"({module['gzipBytes']:,} bytes)",
                 f"≤ {MODULE_GZIP_GOAL_KB} KB gzipped",
                 met(module["gzipBytes"] <= MODULE_GZIP_GOAL_KB * 1000)))
    rows.append(("Module instantiation under node (median of 15)",
                 f"{module['instantiateMs']:.1f} ms", "n/a", "n/a"))
    for name, helper_ns in module["callNs"].items():
        native = runs.get("WebCall/" + name)
        figure = f"Interface call `{name}`: µs native / WebAssembly (ratio); through the helper"
        goal = f"ratio ≤ {CALL_RATIO_GOAL:g}" if name in RATIO_CALLS else "n/a"
        wasm_ns = module.get("moduleCallNs", {}).get(name)
        if not native or native.error or not native.cpu_ns or not wasm_ns:
            why = (native and native.error) or "not run"
            rows.append((figure, f"not measured: {why}", goal,
                         met(False) if name in RATIO_CALLS else "n/a"))
            continue
        ratio = wasm_ns / native.cpu_ns
        value = (f"{native.cpu_ns / 1e3:.1f} / {wasm_ns / 1e3:.1f} ({ratio:.2f}); "
                 f"{helper_ns / 1e3:.1f} ({helper_ns / native.cpu_ns:.2f})")
        rows.append((figure, value, goal,
                     met(ratio <= CALL_RATIO_GOAL) if name in RATIO_CALLS else "n/a"))
    lines += table(rows)
    lines += [""] + MODULE_OPTIONS_TRIED
    judged = [r for r in rows if r[3] != "n/a"]
    return lines, sum(1 for r in judged if r[3] == "yes"), len(judged)


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    bench_json, build_dir, wine_status = sys.argv[1:4]
    wine_rows = sys.argv[4] if len(sys.argv) > 4 else None
    wasm_status = sys.argv[5] if len(sys.argv) > 5 else "absent"
    wasm_json = sys.argv[6] if len(sys.argv) > 6 else None
    runs = load(bench_json)
    rows = native_rows(runs)
    native_met = sum(1 for r in rows if r[3] == "yes")
    wine_lines, wine_met, wine_total = wine_section(wine_status, wine_rows)
    wasm_lines, wasm_met, wasm_total = wasm_section(wasm_status, wasm_json, runs)

    out = ["# Performance", "",
           "Reproduce with `sh scripts/bench` (as root on Debian 12: it installs what it needs, "
           "builds the Release build in `build/bench-native`, runs `tandrel_bench` and, when "
           "`bench/windows/wine-bench.sh` is there, the Windows figures under Wine, and when the "
           "tree has the WebAssembly build, the module's figures under node (`build/bench-wasm`), "
           "then writes this file).", "",
           "## Machine", ""]
    out += [f"- {key}: {value}" for key, value in machine(build_dir)]
    out += ["", "## Native (Linux, Release build)", "",
            "Each case is the worst case of its algorithm (see `bench/*.cpp`); sizes are bytes of "
            "the text searched: UTF-16 for the recognisers, the amounts and the selection of a "
            "template (its HTML as long again, and counted), ANSI for `FindUnit`, templates and "
            "the configuration. The context recognisers read four sources of that size each "
            "(selection, HTML, both addresses) and count all four. Times are CPU time per call, "
            "the best of three repetitions; ns/byte is that time over the bytes one call reads. "
            "The parser and libinih store the same sections and values, and the benchmark "
            "checks that they do before timing.", ""]
    out += table(rows)
    out += [""] + wine_lines
    out += [""] + wasm_lines
    out += ["", f"Goals met: {native_met} of {len(rows)} native, "
                f"{wine_met} of {wine_total} under Wine, "
                f"{wasm_met} of {wasm_total} of the WebAssembly module."]
    print("\n".join(out))


if __name__ == "__main__":
    main()
