// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "engine/input_number.h"
#include "engine/int32_conversion.h"
#include "engine/run_failure.h"

namespace tamsel {
namespace {

TEST(NumberText, WritesTheValue) {
    const struct {
        double value;
        const char* numberText;  // PlainNumberText: the same without a leading blank
    } cases[] = {
        {0.0, " 0"},
        {-0.0, " 0"},
        {2.0, " 2"},
        {-3.0, "-3"},
        {999999999999999.0, " 999999999999999"},
        {1e15, " 1000000000000000"},
        {1e20, " 100000000000000000000"},
        {-1e20, "-100000000000000000000"},
        {std::ldexp(1.0, 100), " 1267650600228229401496703205376"},
        {0.5, " 0.5"},
        {-2.25, "-2.25"},
        {0.1, " 0.1"},
        {2.0 / 3.0, " 0.6666666666666666"},
        {-1e-7, "-0.0000001"},
        {4503599627370495.5, " 4503599627370495.5"},
    };
    for (const auto& c : cases) {
        const std::string text = c.numberText;
        EXPECT_EQ(NumberText(c.value), text) << c.value;
        EXPECT_EQ(PlainNumberText(c.value), text[0] == ' ' ? text.substr(1) : text) << c.value;
    }
}

// Non-whole values are written as the shortest decimal that reads back to
// the same double, with a full stop and no exponent.
TEST(NumberText, NonWholeValuesAreTheShortestDecimalThatReadsBack) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> magnitude(-12.0, 15.0);
    for (int i = 0; i < 2000; ++i) {
        const double v = std::pow(10.0, magnitude(random)) * (i % 2 ? -1 : 1);
        if (v == std::trunc(v)) continue;
        const std::string text = NumberText(v);
        ASSERT_EQ(text.find_first_not_of("-. 0123456789"), std::string::npos) << text;
        EXPECT_EQ(ReadInputNumber(text), v) << text;
        EXPECT_NE(std::strtod(text.substr(0, text.size() - 1).c_str(), nullptr), v) << text;
    }
}

TEST(ToInt32, RoundsHalvesToEvenWithinRange) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        std::optional<std::int32_t> result;  // none: fails
    } cases[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {2.4, 2},
        {2.6, 3},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {-2.6, -3},
        {2147483646.5, 2147483646},
        {2147483647.4, 2147483647},
        {2147483647.5, std::nullopt},
        {2147483648.0, std::nullopt},
        {-2147483648.5, -2147483647 - 1},
        {-2147483648.6, std::nullopt},
        {1e300, std::nullopt},
        {-kInf, std::nullopt},
        {std::nan(""), std::nullopt},
    };
    for (const auto& c : cases) {
        if (c.result) {
            EXPECT_EQ(ToInt32(c.value), *c.result) << std::setprecision(17) << c.value;
        } else {
            EXPECT_THROW(ToInt32(c.value), RunFailure) << std::setprecision(17) << c.value;
        }
    }
}

}  // namespace
}  // namespace tamsel
