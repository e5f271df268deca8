// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/input_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <variant>

#include "engine/number_text.h"

namespace tamsel {
namespace {

TEST(ReadInputNumber, ReadsTheLeadingNumber) {
    const struct {
        std::string text;
        std::optional<double> value;
    } cases[] = {
        // No number at the start reads as 0.
        {"", 0.0},
        {"-", 0.0},
        {".", 0.0},
        {"e3", 0.0},
        {"--5", 0.0},
        {"inf", 0.0},
        {"0x10", 0.0},
        // Blanks, tabs and line feeds are dropped wherever they stand; a
        // carriage return is not.
        {"\t1\n2 ", 12.0},
        {" - 1 . 5 e 1 ", -15.0},
        {"\r5", 0.0},
        {"+3", 3.0},
        {"-.5", -0.5},
        {"1.", 1.0},
        {"1.5.3", 1.5},
        {"1,5", 1.0},
        {"1E3", 1000.0},
        {"1e+2", 100.0},
        {"1e-2", 0.01},
        {"1e", 1.0},
        {"1e-", 1.0},
        {"1e3.5", 1000.0},
        {"1e308", 1e308},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        {std::string(5000, '0') + "42", 42.0},
        // Beyond the double range there is no value; below it, 0.
        {"1e400", std::nullopt},
        {"-1e400", std::nullopt},
        {"1e-400", 0.0},
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

// A run takes only whole numbers that a double holds exactly; the reason
// for any other text.
TEST(ReadWholeInput, AcceptsOnlyExactWholeNumbers) {
    using R = FailureReason;
    const struct {
        std::string text;
        std::variant<double, FailureReason> result;
    } cases[] = {
        {"3.0", 3.0},
        {"1e3", 1000.0},
        {"1.50e1", 15.0},
        {"10e-1", 1.0},
        {"-0", -0.0},
        {"0e999999999999", 0.0},
        {"abc", 0.0},  // read as the box reads it
        {"12abc", 12.0},
        {"1e22", 1e22},
        {"9007199254740992", 9007199254740992.0},
        {"-9007199254740992", -9007199254740992.0},
        {"0.5", R::NonWholeInput},
        {"1e-1", R::NonWholeInput},
        {"5e-400", R::NonWholeInput},
        {"9007199254740993", R::InexactInput},
        {"1e23", R::InexactInput},
        {"1e400", R::UnreadableInput},
    };
    for (const auto& c : cases) {
        const std::variant<double, FailureReason> result = ReadWholeInput(c.text);
        EXPECT_EQ(result, c.result) << '"' << c.text << '"';
        if (const double* v = std::get_if<double>(&result)) {
            EXPECT_EQ(std::signbit(*v), std::signbit(std::get<double>(c.result))) << '"' << c.text << '"';
        }
    }
}

TEST(IsWhollyANumber, NothingOfTheTextIsIgnored) {
    for (const char* text : {"12", " 1 2 ", "-3", "+3", "1.5", "1e3", "1e400", ".5", "1."}) {
        EXPECT_TRUE(IsWhollyANumber(text)) << text;
    }
    for (const char* text : {"", " ", "abc", "12abc", "1,5", "3e", "1e-", "-", "1.5.3", "5\r"}) {
        EXPECT_FALSE(IsWhollyANumber(text)) << text;
    }
}

}  // namespace
}  // namespace tamsel
