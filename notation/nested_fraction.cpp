// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/nested_fraction.h"

#include "engine/number_text.h"

namespace tamsel {

namespace {

constexpr float kColumn = 5;
constexpr float kRow = 3;
constexpr float kHeadRow = 3;
constexpr float kBarOffset = 2.4f;
constexpr float kSignShift = 2;
constexpr float kPeriodStartDrop = 3;
constexpr float kPeriodEndDrop = 6;

}  // namespace

void ClearDrawing(DrawingSurface& area) { area.Erase(); }

void DrawFractionHead(DrawingSurface& area) {
    area.SetPosition({area.Position().x, kHeadRow});
    area.Print(" x  = ", PrintEnd::KeepRow);
}

void DrawStep(DrawingSurface& area, int n, const mpz_class& k, const VariantFlag& variant) {
    const float column = kColumn * static_cast<float>(n);
    if (n > 1) {
        const float previousRow = kRow * static_cast<float>(n - 1);
        area.SetPosition({column, previousRow});
        const DrawPoint at = area.Position();
        area.DrawLine({at.x, at.y + kBarOffset}, {at.x + kColumn, at.y + kBarOffset});
        area.SetPosition({column - kSignShift, previousRow});
        if (!variant.VariantSelected()) area.Print("  + 1", PrintEnd::KeepRow);
        if (variant.VariantSelected()) area.Print("  - 1", PrintEnd::KeepRow);
    }
    area.SetPosition({column, kRow * static_cast<float>(n)});
    area.Print(NumberText(k), PrintEnd::KeepRow);
}

void DrawPeriodMark(DrawingSurface& area, std::int32_t p) {
    const DrawPoint end = area.Position();
    const float start = static_cast<float>(p);
    area.DrawLine({kColumn * start, kRow * start + kPeriodStartDrop}, {end.x, end.y + kPeriodEndDrop});
    area.Print("Periode", PrintEnd::EndLine);
}

}  // namespace tamsel
