// SPDX-License-Identifier: GPL-3.0-or-later
// Exact-mode benchmarks: engine time of the long walks, with the same loop
// in PARI/GP timed in the same run where gp is installed (counter
// "gp_over_tamsel": how many times longer gp takes; both must give the same
// steps and period), and the walks of all square roots up to 100000 on one
// thread, and the way back from the period's line to its value.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>

#include "exact/exact_expansion.h"
#include "exact/expansion_line.h"
#include "exact/expansion_value.h"

namespace tamsel::exact {
namespace {

struct CountQuotients : QuotientSink {
    void Quotient(std::int64_t k) {
        ++count;
        sum += static_cast<std::uint64_t>(k);
    }
    void Quotient(const mpz_class&) { ++count; }
    std::uint64_t count = 0;
    std::uint64_t sum = 0;
};

ExactExpansion SquareRoot(const char* d, std::uint64_t maxSteps) {
    return ExactExpansion({mpz_class(1), mpz_class(d), mpz_class(0), mpz_class(1)}, false, maxSteps);
}

// What a script of bench/pari prints: the walk's [steps, period start,
// period length] and the milliseconds it took in gp.
struct GpWalk {
    std::string result;
    double milliseconds = 0;  // 0 when gp is not there
};

GpWalk RunGp(const char* script) {
    const std::string command = "cd '" TAMSEL_PARI_DIR "' && gp -q -f " + std::string(script) + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return {};
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    if (pclose(pipe) != 0) return {};
    std::istringstream lines(output);
    GpWalk walk;
    std::string milliseconds;
    if (!std::getline(lines, walk.result) || !std::getline(lines, milliseconds)) return {};
    walk.milliseconds = std::stod(milliseconds);
    return walk;
}

void WalkAndCompare(benchmark::State& state, const ExactExpansion& expansion, const char* gpScript) {
    WalkSummary summary;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        CountQuotients sink;
        summary = expansion.Walk(sink);
        benchmark::DoNotOptimize(sink.sum);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double milliseconds = 1e3 * seconds / static_cast<double>(state.iterations());
    state.counters["steps"] = static_cast<double>(summary.steps);
    state.counters["periodLength"] = static_cast<double>(summary.periodLength);
    state.counters["ns_per_step"] = 1e6 * milliseconds / static_cast<double>(summary.steps);
    const GpWalk gp = RunGp(gpScript);
    if (gp.milliseconds > 0) {
        // Both must have done the same walk.
        const std::string ours = "[" + std::to_string(summary.steps) + ", " + std::to_string(summary.periodStart) +
                                 ", " + std::to_string(summary.periodLength) + "]";
        if (gp.result != ours) state.SkipWithError(("gp gives " + gp.result + ", tamsel " + ours).c_str());
        state.counters["gp_ms"] = gp.milliseconds;
        state.counters["gp_over_tamsel"] = gp.milliseconds / milliseconds;
    }
}

// The period of sqrt(10^12 + 39): 532572 quotients, all in 64 bits.
void BM_PeriodOfSqrt1e12Plus39(benchmark::State& state) {
    WalkAndCompare(state, SquareRoot("1000000000039", kMostSteps), "period_sqrt_1e12_39.gp");
}
BENCHMARK(BM_PeriodOfSqrt1e12Plus39)->Unit(benchmark::kMillisecond);

// 10^6 steps of sqrt(10^40 + 39): values beyond 64 bits, in 128 bits.
void BM_MillionStepsOfSqrt1e40Plus39(benchmark::State& state) {
    WalkAndCompare(state, SquareRoot("10000000000000000000000000000000000000039", 1'000'000),
                   "million_steps_sqrt_1e40_39.gp");
}
BENCHMARK(BM_MillionStepsOfSqrt1e40Plus39)->Unit(benchmark::kMillisecond);

// The same period in the variant, and both kept in the compact list.
void BM_PeriodOfSqrt1e12Plus39Variant(benchmark::State& state) {
    const ExactExpansion expansion({mpz_class(1), mpz_class("1000000000039"), mpz_class(0), mpz_class(1)}, true,
                                   kMostSteps);
    for (auto _ : state) {
        CountQuotients sink;
        benchmark::DoNotOptimize(expansion.Walk(sink));
    }
}
BENCHMARK(BM_PeriodOfSqrt1e12Plus39Variant)->Unit(benchmark::kMillisecond);

void BM_PeriodOfSqrt1e12Plus39Kept(benchmark::State& state) {
    const ExactExpansion expansion = SquareRoot("1000000000039", kMostSteps);
    std::size_t bytes = 0;
    for (auto _ : state) {
        QuotientList kept(kMostSteps);
        KeepQuotients sink(kept);
        expansion.Walk(sink);
        bytes = kept.BytesHeld();
    }
    state.counters["bytes_kept"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PeriodOfSqrt1e12Plus39Kept)->Unit(benchmark::kMillisecond);

// Every non-square d from 2 to 100000 until its period closes, on one
// thread: the engine's share of the batch of the same inputs.
void BM_AllSquareRootsTo100000(benchmark::State& state) {
    std::uint64_t periods = 0;
    for (auto _ : state) {
        periods = 0;
        for (unsigned long d = 2; d <= 100'000; ++d) {
            if (mpz_perfect_square_p(mpz_class(d).get_mpz_t()) != 0) continue;
            const ExactExpansion expansion({mpz_class(1), mpz_class(d), mpz_class(0), mpz_class(1)}, false, kMostSteps);
            QuotientSink nothing;
            periods += expansion.Walk(nothing).periodLength;
        }
    }
    state.counters["periodLengths"] = static_cast<double>(periods);
}
BENCHMARK(BM_AllSquareRootsTo100000)->Unit(benchmark::kMillisecond);

// The way back from that period: its line "[1000000; (...)]" read and its
// value found (the steps multiplied as a balanced tree, the period's
// equation without its common factor); the value must be sqrt(10^12 + 39).
void BM_WayBackFromSqrt1e12Plus39(benchmark::State& state) {
    const ExactExpansion expansion = SquareRoot("1000000000039", kMostSteps);
    struct Line : QuotientSink {
        void Quotient(std::int64_t k) {
            text += std::to_string(k) + (first ? "; (" : ", ");
            first = false;
        }
        void Quotient(const mpz_class& k) { Quotient(static_cast<std::int64_t>(k.get_si())); }
        std::string text = "[";
        bool first = true;
    } line;
    expansion.Walk(line);
    line.text.resize(line.text.size() - 2);
    line.text += ")]";
    bool right = false;
    for (auto _ : state) {
        const auto written = ReadExpansionLine(line.text);
        const auto value = ExpansionValue(std::get<WrittenExpansion>(written), ExpansionAlgorithm::Regular);
        const QuadraticNumber& x = std::get<QuadraticNumber>(value);
        right = x.Koeff() == 1 && x.Wurzel() == mpz_class("1000000000039") && x.IsRational() == false;
    }
    if (!right) state.SkipWithError("the way back gives another value");
    state.counters["bytes"] = static_cast<double>(line.text.size());
}
BENCHMARK(BM_WayBackFromSqrt1e12Plus39)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tamsel::exact

BENCHMARK_MAIN();
