// The extension's interface natively: each call of TandrelCore.h with the requests of
// bench/web/requests.json (the stored default configuration), the same requests that
// bench/web/bench-core.mjs sends to the WebAssembly module, so that scripts/bench can set the two
// times side by side. Registered as "WebCall/<call>".
#include "web/TandrelCore.h"

#include <nlohmann/json.hpp>

#include <benchmark/benchmark.h>

#include <fstream>
#include <map>
#include <string>

namespace {

using Function = const char* (*)(const char*);

const std::map<std::string, Function>& Calls() {
    static const std::map<std::string, Function> calls = {
#define TANDREL_WEB_CALL(name, Function) {#name, tandrel_##name},
#include "web/WebCallList.inc"
#undef TANDREL_WEB_CALL
    };
    return calls;
}

void BM_WebCall(benchmark::State& state, Function function, const std::string& request) {
    // A call that answers with an error measures nothing worth having.
    if (std::string(function(request.c_str())).rfind("{\"error\"", 0) == 0) {
        state.SkipWithError("the request is refused");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(function(request.c_str()));
}

bool Register() {
    std::ifstream in(TANDREL_SOURCE_DIR "/bench/web/requests.json");
    nlohmann::json requests = nlohmann::json::parse(in, nullptr, false);
    if (!requests.is_object())
        return false;
    for (const auto& [name, function] : Calls()) {
        if (requests.contains(name))
            benchmark::RegisterBenchmark(("WebCall/" + name).c_str(), BM_WebCall, function,
                                         requests[name].dump())
                ->Unit(benchmark::kMicrosecond);
    }
    return true;
}

const bool kRegistered = Register();

} // namespace
