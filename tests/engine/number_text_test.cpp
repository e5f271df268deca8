// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "engine/int32_conversion.h"
#include "engine/run_failure.h"

namespace tamsel {
namespace {

TEST(ReadInputNumber, ReadsTheLeadingNumber) {
    const struct {
        std::string text;
        std::optional<double> value;
    } cases[] = {
        // No number at the start reads as 0.
        {"", 0.0},
        {"abc", 0.0},
        {"-", 0.0},
        {".", 0.0},
        {"e3", 0.0},
        {"--5", 0.0},
        {"+-5", 0.0},
        {"inf", 0.0},
        {"nan", 0.0},
        {"0x10", 0.0},
        // Blanks, tabs and line feeds are dropped wherever they stand; a
        // carriage return is not.
        {" 7", 7.0},
        {"1 2", 12.0},
        {"\t1\n2 ", 12.0},
        {"- 5", -5.0},
        {"1 e 3", 1000.0},
        {" 1 . 5 ", 1.5},
        {"\r5", 0.0},
        {"5\r6", 5.0},
        {"+3", 3.0},
        {"-3", -3.0},
        {".5", 0.5},
        {"-.5", -0.5},
        {"1.", 1.0},
        {"12abc", 12.0},
        {"1.5.3", 1.5},
        {"1,5", 1.0},
        {"1e3", 1000.0},
        {"1E3", 1000.0},
        {"1e+2", 100.0},
        {"1e-2", 0.01},
        {"1e", 1.0},
        {"1e-", 1.0},
        {"1e3.5", 1000.0},
        {"1e308", 1e308},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        {std::string(5000, '0') + "42", 42.0},
        {"1" + std::string(300, '0'), 1e300},
        // Beyond the double range there is no value; below it, 0.
        {"1e400", std::nullopt},
        {"-1e400", std::nullopt},
        {"1" + std::string(400, '0'), std::nullopt},
        {"1e-400", 0.0},
        {"0." + std::string(400, '0') + "1", 0.0},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadInputNumber(c.text), c.value) << '"' << c.text << '"';
}

// A German locale: an installed one, or else one built from the locale
// sources into a temporary folder.
const char* SetGermanLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
        if (const char* found = std::setlocale(LC_ALL, name)) return found;
    }
    const std::string dir = ::testing::TempDir() + "tamsel-locales";
    const std::string build =
        "mkdir -p '" + dir + "' && localedef -i de_DE -f UTF-8 '" + dir + "/de_DE.UTF-8' >/dev/null 2>&1";
    if (std::system(build.c_str()) == -1) return nullptr;
    setenv("LOCPATH", dir.c_str(), 1);
    const char* found = std::setlocale(LC_ALL, "de_DE.UTF-8");
    unsetenv("LOCPATH");
    return found;
}

// A locale with a decimal comma must not change what a text stands for.
TEST(ReadInputNumber, IgnoresTheDecimalCommaOfTheLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (SetGermanLocale() == nullptr) GTEST_SKIP() << "no locale with a decimal comma available";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const std::optional<double> half = ReadInputNumber("0.5");
    const std::optional<double> comma = ReadInputNumber("1,5");
    const std::string text = NumberText(-2.25);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(half, 0.5);
    EXPECT_EQ(comma, 1.0);
    EXPECT_EQ(text, "-2.25");
}

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
