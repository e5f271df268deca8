// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "exact/exact_input.h"
#include "exact/expansion_algorithm.h"
#include "exact/expansion_walk.h"
#include "exact/nearest_walk.h"
#include "exact/quotient_list.h"
#include "exact/quotient_sink.h"
#include "exact/start_value.h"
#include "exact/walk_summary.h"

namespace tamsel::exact {

// One exact expansion: the input, the algorithm and the step limit. Each
// Walk goes through the expansion from its start; the walks are
// deterministic, so a later one gives the same quotients as the first.
class ExactExpansion {
public:
    // The input must be without fault (FindInputFault).
    ExactExpansion(const ExactInput& input, ExpansionAlgorithm algorithm, std::uint64_t maxSteps)
        : input_(input), start_(ToStartValue(input)), algorithm_(algorithm), maxSteps_(maxSteps) {}
    ExactExpansion(const ExactInput& input, bool variant, std::uint64_t maxSteps)
        : ExactExpansion(input, variant ? ExpansionAlgorithm::Variant : ExpansionAlgorithm::Regular, maxSteps) {}

    const ExactInput& Input() const { return input_; }
    const StartValue& Start() const { return start_; }
    ExpansionAlgorithm Algorithm() const { return algorithm_; }
    bool Variant() const { return algorithm_ == ExpansionAlgorithm::Variant; }
    std::uint64_t MaxSteps() const { return maxSteps_; }
    bool IsRational() const { return std::holds_alternative<RationalStart>(start_); }

    template <class Sink>
    WalkSummary Walk(Sink& sink) const {
        return WalkUpTo(maxSteps_, sink);
    }

    // Walks at most `steps` steps.
    template <class Sink>
    WalkSummary WalkUpTo(std::uint64_t steps, Sink& sink) const {
        const std::uint64_t limit = steps < maxSteps_ ? steps : maxSteps_;
        if (algorithm_ == ExpansionAlgorithm::Nearest) return WalkNearest(start_, limit, sink);
        return WalkExpansion(start_, Variant(), limit, sink);
    }

private:
    ExactInput input_;
    StartValue start_;
    ExpansionAlgorithm algorithm_;
    std::uint64_t maxSteps_;
};

// A sink that keeps the quotients in a list.
struct KeepQuotients : QuotientSink {
    explicit KeepQuotients(QuotientList& keptList) : list(keptList) {}
    void Quotient(std::int64_t k) { list.Append(k); }
    void Quotient(const mpz_class& k) { list.Append(k); }
    QuotientList& list;
};

// Calls fn(k) for the quotients of steps first to last (1-based), k an
// std::int64_t or a const mpz_class&: from the list where it holds them,
// otherwise by walking the expansion again.
template <class Fn>
void ForEachQuotient(const ExactExpansion& expansion, const QuotientList& kept, std::uint64_t first, std::uint64_t last,
                     Fn&& fn) {
    if (first > last) return;
    if (last <= kept.Size()) {
        kept.ForEach(first, last, fn);
        return;
    }
    struct Forward : QuotientSink {
        Forward(std::uint64_t from, Fn& f) : first(from), fn(f) {}
        void Quotient(std::int64_t k) {
            if (++step >= first) fn(k);
        }
        void Quotient(const mpz_class& k) {
            if (++step >= first) fn(k);
        }
        std::uint64_t first;
        std::uint64_t step = 0;
        Fn& fn;
    } forward(first, fn);
    expansion.WalkUpTo(last, forward);
}

}  // namespace tamsel::exact
