// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/export/exact_export.h"

#include "exact/convergents.h"

namespace tamsel {

namespace {

// The exports show at most this many quotients from the start.
constexpr std::uint64_t kShownQuotients = 1000;

// Keeps the first quotients and the last one seen.
struct FirstAndLast : exact::QuotientSink {
    explicit FirstAndLast(exact::QuotientList& firstOnes) : first(firstOnes) {}
    void Quotient(std::int64_t k) {
        first.Append(k);
        mpz_set_si(last.get_mpz_t(), static_cast<long>(k));
    }
    void Quotient(const mpz_class& k) {
        first.Append(k);
        last = k;
    }
    exact::QuotientList& first;
    mpz_class last;
};

}  // namespace

ExportedExpansion ExportOfExactRun(const exact::ExactExpansion& expansion, std::uint64_t fractions) {
    exact::QuotientList first(kShownQuotients);
    FirstAndLast sink(first);
    const exact::WalkSummary summary = expansion.Walk(sink);

    ExportedExpansion exported;
    first.ForEach(1, first.Size(), [&](const auto& k) { exported.quotients.emplace_back(k); });
    if (summary.steps > first.Size()) {
        exported.length = summary.steps;
        exported.lastQuotient = sink.last;
    }
    if (summary.end == exact::WalkEnd::Period) exported.periodStart = static_cast<std::int64_t>(summary.periodStart);
    exported.rational = summary.end == exact::WalkEnd::Rational;
    exported.variant = expansion.Variant();
    const exact::ExactInput& input = expansion.Input();
    exported.number = ExpandedNumber{input.koeff, input.wurzel, input.abs, input.nenner};
    exported.nearest = expansion.Algorithm() == exact::ExpansionAlgorithm::Nearest;
    exact::ForEachConvergent(expansion, summary, first, fractions, [&](const mpz_class& p, const mpz_class& q) {
        exported.fractions.push_back({p, q});
    });
    return exported;
}

}  // namespace tamsel
