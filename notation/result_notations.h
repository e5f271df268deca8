// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/expansion_host.h"
#include "engine/output_points.h"
#include "notation/drawing_surface.h"
#include "notation/text_holder.h"

namespace tamsel {

// The boxes and the drawing area a run's results are written to.
struct ResultViews {
    TextHolder& bracketNotation;
    TextHolder& trace;
    TextHolder& fractionList;
    DrawingSurface* drawing = nullptr;  // none: nothing is drawn
};

// Turns a run's results into its notations, in the order of the run's
// points: the bracket line, the trace, the list of approximating fractions
// and, where there is a drawing area, the drawn nested fraction.
class ResultNotations : public OutputPoints {
public:
    ResultNotations(ResultViews views, const VariantFlag& variant) : views_(views), variant_(variant) {}

    void RunOpening() override;
    void RunStart() override;
    void InputsReduced(const QuadIrrational& x) override;
    void QuotientPulled(int n, double k) override;
    void StepRecorded(int n, double k) override;
    void QuadIrrationalReached(const QuadIrrational& x) override;
    void RationalEnd() override;
    void PeriodFound(std::int32_t periodStart, int n) override;
    void PeriodQuotient(double k) override;
    void Closing(const std::vector<Fraction>& fractions) override;

private:
    ResultViews views_;
    const VariantFlag& variant_;
};

}  // namespace tamsel
