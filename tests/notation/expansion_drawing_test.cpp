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
using test::Quotients;
using test::RecordingSurface;

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
        {"NegativeX", {"1", "2", "0", "-1"}, false, {}, std::nullopt},
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
    for (const std::size_t quotients : {100, 101}) {
        const bool periodMark = quotients == 100;
        RecordingSurface surface;
        DrawExpansion(surface, std::vector<mpz_class>(quotients, mpz_class(7)), 40, false);
        EXPECT_EQ(Count(surface, Op::Print, " 7"), 100) << quotients;
        EXPECT_EQ(Count(surface, Op::Print, "Periode"), periodMark ? 1 : 0) << quotients;
        // One bar per step from the second on, and the period line.
        EXPECT_EQ(Count(surface, Op::Line), 99 + (periodMark ? 1 : 0)) << quotients;
        // The last step drawn is the 100th, in row 300, the period mark two rows below it.
        EXPECT_EQ(surface.Log().back().before.y, periodMark ? 306.0f : 300.0f) << quotients;
    }
}

}  // namespace
}  // namespace tamsel
