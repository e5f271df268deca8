// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/parameter_step.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tamsel {
namespace {

TEST(ParameterStep, StepsWithinTheBounds) {
    struct Row {
        const char* text;
        int step;
        std::optional<double> bound;
        std::optional<std::string> result;
    };
    const Row rows[] = {
        {"2", -1, 1.0, "1"},
        {"1", -1, 1.0, std::nullopt},
        {"1", +1, std::nullopt, "2"},
        {"1", -1, 0.0, "0"},
        {"0", -1, 0.0, std::nullopt},
        {"-3", -1, 0.0, std::nullopt},
        {"-3", +1, std::nullopt, "-2"},
        {"0", -1, std::nullopt, "-1"},
        {"-4", -1, 1.0, std::nullopt},
        {" 7", +1, std::nullopt, "8"},
        {"12abc", +1, std::nullopt, "13"},
        {"1 2", +1, std::nullopt, "13"},
        {"", +1, std::nullopt, "1"},
        {"", -1, 0.0, std::nullopt},
        {"abc", -1, 1.0, std::nullopt},
        {"0.5", -1, 0.0, "-0.5"},
        {"1e400", +1, std::nullopt, std::nullopt},
        {"1e3", +1, std::nullopt, "1001"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SteppedText(row.text, row.step, row.bound), row.result) << '"' << row.text << "\" " << row.step;
    }
}

}  // namespace
}  // namespace tamsel
