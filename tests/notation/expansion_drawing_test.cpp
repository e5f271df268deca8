// SPDX-License-Identifier: GPL-3.0-or-later
// A whole expansion drawn from its quotients, against the drawing a run
// makes step by step.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "../support/fake_host.h"
#include "../support/quotients.h"
#include "../support/recording_surface.h"
#include "notation/expansion_drawing.h"

namespace tamsel {
namespace {

using test::Op;
using test::RecordingSurface;

using test::Quotients;

TEST(ExpansionDrawing, DrawsWhatTheRunDraws) {
    const struct {
        const char* name;
        std::array<std::string, 4> inputs;
        bool variant;
        std::vector<mpz_class> quotients;
        std::optional<std::int32_t> periodStart;
    } cases[] = {
        {"Sqrt2", {"1", "2", "0", "1"}, false, Quotients({1, 2}), 2},
        {"Sqrt2Variant", {"1", "2", "0", "1"}, true, Quotients({2, 2, 4}), 2},
        {"GoldenRatio", {"1", "5", "1", "2"}, false, Quotients({1}), 1},
        {"ThreeHalves", {"0", "2", "3", "2"}, false, Quotients({1, 2}), std::nullopt},
        {"FailsAfterTwoSteps", {"100000", "2", "0", "1"}, false, Quotients({141421, 2}), std::nullopt},
        {"NegativeX", {"1", "2", "0", "-1"}, false, {}, std::nullopt},
        {"Sqrt211",
         {"1", "211", "0", "1"},
         false,
         Quotients({14, 1, 1, 9, 5, 1, 2, 2, 1, 1, 4, 3, 1, 13, 1, 3, 4, 1, 1, 2, 2, 1, 5, 9, 1, 1, 28}),
         2},
    };
    for (const auto& c : cases) {
        RecordingSurface byRun, fromData;
        test::RecordedRun(c.inputs, c.variant, "", &byRun).Run();
        DrawExpansion(fromData, c.quotients, c.periodStart, c.variant);
        EXPECT_EQ(fromData.Log(), byRun.Log()) << c.name;
    }
}

int Count(const RecordingSurface& surface, Op op, const std::string& text = {}) {
    int count = 0;
    for (const auto& e : surface.Log()) count += e.op == op && (text.empty() || e.text == text);
    return count;
}

// At most 100 steps are drawn, like the window records; the period mark
// only when the period closes within them.
TEST(ExpansionDrawing, DrawsAtMostAHundredSteps) {
    const struct {
        const char* name;
        std::size_t quotients;
        std::optional<std::int32_t> periodStart;
        int quotientsDrawn;
        bool periodMark;
    } cases[] = {
        {"PeriodClosesAtStep100", 100, 40, 100, true},
        {"PeriodClosesAtStep101", 101, 40, 100, false},
        {"PeriodStartsBeyondTheDrawing", 300, 150, 100, false},
        {"NoPeriod", 250, std::nullopt, 100, false},
    };
    for (const auto& c : cases) {
        RecordingSurface surface;
        DrawExpansion(surface, std::vector<mpz_class>(c.quotients, mpz_class(7)), c.periodStart, false);
        EXPECT_EQ(Count(surface, Op::Print, " 7"), c.quotientsDrawn) << c.name;
        EXPECT_EQ(Count(surface, Op::Print, "Periode"), c.periodMark ? 1 : 0) << c.name;
        // One bar per step from the second on, and the period line.
        EXPECT_EQ(Count(surface, Op::Line), c.quotientsDrawn - 1 + (c.periodMark ? 1 : 0)) << c.name;
        EXPECT_EQ(surface.Log().back().before.y, c.periodMark ? 3.0f * 100 + 6 : 3.0f * 100) << c.name;
    }
}

}  // namespace
}  // namespace tamsel
