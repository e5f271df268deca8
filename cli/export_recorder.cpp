// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/export_recorder.h"

#include <algorithm>

#include "engine/approximating_fractions.h"

namespace tamsel {

namespace {

// A periodic run lists this many fractions however short its period.
constexpr int kListedWhenPeriodic = 20;

}  // namespace

void ExportRecorder::RunOpening() {
    quotients_.clear();
    periodStart_.reset();
    rational_ = false;
    next_.RunOpening();
}

void ExportRecorder::StepRecorded(int n, double k) {
    quotients_.resize(static_cast<std::size_t>(std::max(n, 1) - 1));
    quotients_.emplace_back(k);
    next_.StepRecorded(n, k);
}

void ExportRecorder::RationalEnd() {
    rational_ = true;
    next_.RationalEnd();
}

void ExportRecorder::PeriodFound(std::int32_t periodStart, int n) {
    periodStart_ = periodStart;
    next_.PeriodFound(periodStart, n);
}

ExportedExpansion ExportRecorder::Result(const ExpansionState& state, const VariantFlag& variant) const {
    ExportedExpansion result;
    result.quotients = quotients_;
    if (periodStart_) result.periodStart = *periodStart_;
    result.rational = rational_;
    result.variant = variant.VariantSelected();

    int listed = static_cast<int>(quotients_.size());
    if (periodStart_) listed = std::max(listed, std::min<int>(kListedWhenPeriodic, state.n));
    listed = std::min(listed, kLastRecordableStep);
    for (int w = 1; w <= listed; ++w) {
        Fraction f = ApproximatingFraction(state, w, variant);
        result.fractions.emplace_back(std::move(f.numerator), std::move(f.denominator));
    }
    return result;
}

}  // namespace tamsel
