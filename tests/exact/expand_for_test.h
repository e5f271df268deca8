// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs an exact expansion and collects what it gives, for the tests.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <gmpxx.h>

#include "../support/quotients.h"

#include "exact/convergents.h"
#include "exact/exact_expansion.h"
#include "exact/trace_parameters.h"

namespace tamsel::exact::test {

struct Collected {
    WalkSummary summary;
    std::vector<mpz_class> quotients;
};

struct CollectQuotients : QuotientSink {
    void Quotient(std::int64_t k) { quotients.emplace_back(static_cast<long>(k)); }
    void Quotient(const mpz_class& k) { quotients.push_back(k); }
    std::vector<mpz_class> quotients;
};

inline ExactInput Input(const std::array<std::string, 4>& texts) {
    return {mpz_class(texts[0]), mpz_class(texts[1]), mpz_class(texts[2]), mpz_class(texts[3])};
}

inline Collected Expand(const ExactExpansion& expansion) {
    CollectQuotients sink;
    const WalkSummary summary = expansion.Walk(sink);
    return {summary, std::move(sink.quotients)};
}

inline Collected Expand(const std::array<std::string, 4>& texts, bool variant, std::uint64_t maxSteps = kMostSteps) {
    return Expand(ExactExpansion(Input(texts), variant, maxSteps));
}

// Each x met in the trace form, as "koeff wurzel abs nenner".
struct CollectTrace : QuotientSink {
    static constexpr bool kWantsStates = true;
    explicit CollectTrace(const ExactExpansion& e) : expansion(e) {}
    void State(const mpz_class& abs, const mpz_class& nenner) {
        TraceParameters x;
        MakeTraceParameters(expansion, abs, nenner, x);
        lines.push_back(x.koeff.get_str() + " " + x.wurzel.get_str() + " " + x.abs.get_str() + " " +
                        x.nenner.get_str());
    }
    void Quotient(std::int64_t k) { lines.back() += " > " + std::to_string(k); }
    void Quotient(const mpz_class& k) { lines.back() += " > " + k.get_str(); }
    const ExactExpansion& expansion;
    std::vector<std::string> lines;
};

inline std::vector<std::string> Trace(const ExactExpansion& expansion) {
    CollectTrace sink(expansion);
    expansion.Walk(sink);
    return sink.lines;
}

// The first `wanted` approximating fractions as "p/q", from a walk that
// keeps the quotients of the first `keep` steps.
inline std::vector<std::string> Fractions(const ExactExpansion& expansion, std::uint64_t wanted, std::uint64_t keep) {
    QuotientList kept(keep);
    KeepQuotients sink(kept);
    const WalkSummary summary = expansion.Walk(sink);
    std::vector<std::string> fractions;
    ForEachConvergent(expansion, summary, kept, wanted, [&](const mpz_class& p, const mpz_class& q) {
        fractions.push_back(p.get_str() + "/" + q.get_str());
    });
    return fractions;
}

using tamsel::test::Quotients;

}  // namespace tamsel::exact::test
