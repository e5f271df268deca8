// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/expansion_drawing.h"

#include <algorithm>

#include "engine/expansion_host.h"
#include "notation/nested_fraction.h"

namespace tamsel {

namespace {

class FixedVariant : public VariantFlag {
public:
    explicit FixedVariant(bool variant) : variant_(variant) {}
    bool VariantSelected() const override { return variant_; }

private:
    bool variant_;
};

}  // namespace

void DrawExpansion(DrawingSurface& area, std::span<const mpz_class> quotients, std::optional<std::int32_t> periodStart,
                   bool variant) {
    const FixedVariant flag(variant);
    const std::size_t drawn = std::min<std::size_t>(quotients.size(), kMaxDrawnSteps);
    ClearDrawing(area);
    DrawFractionHead(area);
    for (std::size_t i = 0; i < drawn; ++i) DrawStep(area, static_cast<int>(i + 1), quotients[i], flag);
    const bool periodClosesInDrawing = quotients.size() <= kMaxDrawnSteps;
    if (periodStart && *periodStart >= 1 && static_cast<std::size_t>(*periodStart) <= drawn && periodClosesInDrawing) {
        DrawPeriodMark(area, *periodStart);
    }
}

}  // namespace tamsel
