// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/help_text.h"

#include <gtest/gtest.h>

#include <vector>

#include "../support/recording_surface.h"

namespace tamsel {
namespace {

// Fifteen lines from the top left, each print ending its line.
TEST(HelpText, FifteenLinesFromTheTopLeft) {
    test::RecordingSurface area;
    PrintHelpText(area);
    const std::vector<test::Entry>& log = area.Log();
    ASSERT_EQ(log.size(), 15u);
    for (std::size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(log[i], test::PrintEndingLine(log[i].text, {0, test::kFakeLineHeight * static_cast<float>(i)})) << i;
    }
    EXPECT_EQ(log[0].text, "Kettenbruchentwicklung");
    EXPECT_EQ(log[4].text, "Im selben Fenster wählt man, ob man den üblichen Algorithmus nach Oskar Perron,");
    EXPECT_EQ(log[14].text, "quadratischen Irrationalitäten angezeigt.");
    for (const int empty : {1, 3, 7, 10, 12}) EXPECT_EQ(log[empty].text, "") << empty;
}

}  // namespace
}  // namespace tamsel
