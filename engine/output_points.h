// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "engine/fraction.h"
#include "engine/quad_irrational.h"

namespace tamsel {

// The fixed points of a run at which it hands out its results, as numbers:
// whoever listens (the window's notations, the command line) turns them into
// texts and drawings. Quotients and parameters are whole doubles.
class OutputPoints {
public:
    virtual ~OutputPoints() = default;
    // The run's first act, before anything is read.
    virtual void RunOpening() {}
    // Before the inputs are read.
    virtual void RunStart() {}
    // The inputs as read and reduced: the quadratic irrational of step 1.
    virtual void InputsReduced(const QuadIrrational& x) { (void)x; }
    // Step n has pulled out k; reached at step 101 too, which cannot be recorded.
    virtual void QuotientPulled(int n, double k) { (void)n, (void)k; }
    // Step n is recorded with its quotient k.
    virtual void StepRecorded(int n, double k) { (void)n, (void)k; }
    // The next quadratic irrational, reduced, after a step that did not end the run.
    virtual void QuadIrrationalReached(const QuadIrrational& x) { (void)x; }
    // The denominator has become 0: x is rational and fully expanded.
    virtual void RationalEnd() {}
    // The quadratic irrational after step n recurs from step periodStart on.
    virtual void PeriodFound(std::int32_t periodStart, int n) { (void)periodStart, (void)n; }
    // A quotient of the period, pulled out once more after it was found.
    virtual void PeriodQuotient(double k) { (void)k; }
    // The run's closing, after a failure too: its approximating fractions.
    virtual void Closing(const std::vector<Fraction>& fractions) { (void)fractions; }
};

}  // namespace tamsel
