// One check of a typed password against its stored form: the login makes one on every
// keystroke, so it must stay near 20 ms; storing a password costs the same.

#include <benchmark/benchmark.h>

#include <string>

#include "shell/password.h"

namespace {

using namespace kestrin::shell;

void BM_CheckTypedPassword(benchmark::State& state) {
    const std::string stored = makeStoredPassword("Kv-2026").value();
    for (auto _ : state) benchmark::DoNotOptimize(passwordMatches(stored, "Kv-202"));
}
BENCHMARK(BM_CheckTypedPassword)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StorePassword(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(makeStoredPassword("Kv-2026"));
}
BENCHMARK(BM_StorePassword)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
