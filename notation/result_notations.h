// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/expansion_host.h"
#include "notation/drawing_surface.h"
#include "notation/text_holder.h"

namespace tamsel {

// Feeds a run's values to the bracket notation and, where there is a drawing
// area, to the drawn nested fraction, in the order the run's points demand.
class ResultNotations : public OutputPoints {
public:
    ResultNotations(TextHolder& bracketBox, DrawingSurface* drawing, const VariantFlag& variant)
        : box_(bracketBox), drawing_(drawing), variant_(variant) {}

    void RunOpening() override;
    void RunStart() override;
    void StepRecorded(int n, double k) override;
    void RationalEnd() override;
    void PeriodFound(std::int32_t periodStart, int n) override;
    void PeriodQuotient(double k) override;
    void Closing() override;

private:
    TextHolder& box_;
    DrawingSurface* drawing_;
    const VariantFlag& variant_;
};

}  // namespace tamsel
