// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <gmpxx.h>

#include "engine/expansion_host.h"
#include "engine/expansion_state.h"
#include "notation/exported_expansion.h"

namespace tamsel {

// Passes a window-style run's output points on to its notations and keeps
// what the exports need: the quotients recorded, the period's first step and
// whether x ended as a rational.
class ExportRecorder : public OutputPoints {
public:
    explicit ExportRecorder(OutputPoints& next) : next_(next) {}

    void RunOpening() override;
    void RunStart() override { next_.RunStart(); }
    void StepRecorded(int n, double k) override;
    void RationalEnd() override;
    void PeriodFound(std::int32_t periodStart, int n) override;
    void PeriodQuotient(double k) override { next_.PeriodQuotient(k); }
    void Closing() override { next_.Closing(); }

    // The run as found, with the approximating fractions the run lists:
    // the first 20 when the period closed within 20 steps, otherwise one per
    // recorded step. `state` is the run state after the run.
    ExportedExpansion Result(const ExpansionState& state, const VariantFlag& variant) const;

private:
    OutputPoints& next_;
    std::vector<mpz_class> quotients_;
    std::optional<std::int32_t> periodStart_;
    bool rational_ = false;
};

}  // namespace tamsel
