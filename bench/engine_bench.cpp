// SPDX-License-Identifier: GPL-3.0-or-later
// Engine benchmarks: complete runs of the worst cases with a host that does
// nothing, the reduction against the descending loop it replaces, and the
// fraction list of a run at the step limit.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/approximating_fractions.h"
#include "engine/expansion_engine.h"
#include "engine/memory_host.h"
#include "engine/reduction.h"
#include "tests/support/descending_loop.h"

namespace tamsel {
namespace {

struct RunCase {
    const char* label;
    const char* koeff;
    const char* wurzel;
    const char* abs;
    const char* nenner;
    bool variant;
};

// √2566 runs into the step limit in both algorithms. 24997·√3 + 20687 also
// runs 100 steps, and before its reductions the parameters reach up to
// 0.9·2^31 (about 0.2·2^31 on average for the smallest of the three).
const RunCase kRuns[] = {
    {"sqrt2566_usual", "1", "2566", "0", "1", false},
    {"sqrt2566_variant", "1", "2566", "0", "1", true},
    {"near_2^31_usual", "24997", "3", "20687", "1", false},
};

void BM_RunExpansion(benchmark::State& state) {
    const RunCase& c = kRuns[state.range(0)];
    state.SetLabel(c.label);
    MemoryHost host({c.koeff, c.wurzel, c.abs, c.nenner}, c.variant);
    OutputPoints nothing;
    ExpansionEngine engine(host, nothing);
    for (auto _ : state) {
        const RunResult result = engine.RunExpansion();
        benchmark::DoNotOptimize(result);
    }
    state.counters["steps"] = engine.State().n;
}
BENCHMARK(BM_RunExpansion)->DenseRange(0, std::size(kRuns) - 1)->Unit(benchmark::kMicrosecond);

// Three values near 2^31 with the common divisor 6. Read through a
// volatile so that the compiler cannot fold the reduction away. (The
// non-const DoNotOptimize of Google Benchmark 1.7 is not used on doubles:
// with GCC its "+m,r" constraint can corrupt them.)
volatile double near2To31 = 2147483646;

ExpansionState Near2To31() {
    ExpansionState s;
    s.koeff = near2To31;
    s.wurzel = 3;
    s.abs = -(near2To31 - 6);
    s.nenner = near2To31 - 12;
    return s;
}

void KeepResult(const ExpansionState& s) { benchmark::DoNotOptimize(s); }

double EuclidSecondsPerCall() {
    constexpr int kCalls = 1000000;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kCalls; ++i) {
        ExpansionState s = Near2To31();
        ReduceByCommonDivisor(s);
        KeepResult(s);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kCalls;
}

void BM_ReduceByCommonDivisor_Near2To31(benchmark::State& state) {
    for (auto _ : state) {
        ExpansionState s = Near2To31();
        ReduceByCommonDivisor(s);
        KeepResult(s);
    }
}
BENCHMARK(BM_ReduceByCommonDivisor_Near2To31);

// Seconds per call: run once. The counter "ratio" is its time over the time
// of ReduceByCommonDivisor on the same values, measured right after it.
void BM_DescendingLoop_Near2To31(benchmark::State& state) {
    double loopSeconds = 0;
    ExpansionState reduced;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        reduced = Near2To31();
        test::LiteralReduceByCommonDivisor(reduced);
        KeepResult(reduced);
        loopSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    ExpansionState euclid = Near2To31();
    ReduceByCommonDivisor(euclid);
    if (euclid.koeff != reduced.koeff || euclid.abs != reduced.abs || euclid.nenner != reduced.nenner) {
        state.SkipWithError("the reductions differ");
        return;
    }
    state.counters["ratio"] = loopSeconds / static_cast<double>(state.iterations()) / EuclidSecondsPerCall();
}
BENCHMARK(BM_DescendingLoop_Near2To31)->Iterations(1)->Unit(benchmark::kMillisecond);

// The fraction list of √2566 at the step limit: 100 fractions.
void BM_ListApproximatingFractions_100(benchmark::State& state) {
    MemoryHost host({"1", "2566", "0", "1"}, false);
    OutputPoints nothing;
    ExpansionEngine engine(host, nothing);
    engine.RunExpansion();
    for (auto _ : state) {
        ExpansionState s = engine.State();
        const std::vector<Fraction> fractions = ListApproximatingFractions(s, std::nullopt, 100, host);
        benchmark::DoNotOptimize(fractions.data());
    }
}
BENCHMARK(BM_ListApproximatingFractions_100)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tamsel

BENCHMARK_MAIN();
