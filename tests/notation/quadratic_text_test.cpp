// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "notation/input_faults.h"
#include "notation/quadratic_text.h"

namespace tamsel {
namespace {

TEST(QuadraticText, WholePartFirstThenTheRoot) {
    const struct {
        long koeff, wurzel, abs, nenner;
        const char* text;
    } cases[] = {
        {1, 5, 1, 2, "(1 + √5)/2"}, {-1, 5, -1, 2, "(-1 - √5)/2"}, {-1, 3, 2, 1, "2 - √3"},
        {2, 3, 0, 1, "2√3"},        {-1, 3, 0, 2, "-√3/2"},        {-2, 3, 0, 5, "-2√3/5"},
        {1, 7, 0, 1, "√7"},         {0, 0, 3, 4, "3/4"},           {0, 0, -5, 1, "-5"},
        {0, 0, 0, 1, "0"},          {29, 2, 41, 1, "41 + 29√2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QuadraticText({c.koeff, c.wurzel, c.abs, c.nenner}), c.text);
    }
}

TEST(QuadraticText, CompleteQuotients) {
    EXPECT_EQ(SurdText(2, 20, 4), "(2 + √20)/4");
    EXPECT_EQ(SurdText(-3, 28, -4), "(-3 + √28)/(-4)");
    EXPECT_EQ(SurdText(355, 0, 113), "355/113");
}

TEST(CaretLines, CaretUnderTheColumnAcrossTabsAndWideCharacters) {
    EXPECT_EQ(CaretLines("1/0", 3), "  1/0\n    ^\n");
    EXPECT_EQ(CaretLines("√2·√3", 4), "  √2·√3\n     ^\n");
    EXPECT_EQ(CaretLines("1+\t√2\r", 4), "  1+\t√2 \n    \t^\n");
    EXPECT_EQ(CaretLines("1+", 3), "  1+\n    ^\n");
}

}  // namespace
}  // namespace tamsel
