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

struct ReadCase {
    const char* text;
    std::optional<double> value;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << '"';
    for (const char* p = c.text; *p; ++p) {
        *os << (*p == '\t' ? "\\t" : *p == '\n' ? "\\n" : *p == '\r' ? "\\r" : std::string(1, *p));
    }
    *os << '"';
}

class ReadInputNumberTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadInputNumberTest, ReadsTheLeadingNumber) {
    const ReadCase& c = GetParam();
    const std::optional<double> v = ReadInputNumber(c.text);
    ASSERT_EQ(v.has_value(), c.value.has_value());
    if (v) {
        EXPECT_EQ(*v, *c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadInputNumberTest,
    ::testing::Values(ReadCase{"", 0.0}, ReadCase{"abc", 0.0}, ReadCase{"-", 0.0}, ReadCase{"+", 0.0},
                      ReadCase{".", 0.0}, ReadCase{"e3", 0.0}, ReadCase{".e3", 0.0}, ReadCase{"--5", 0.0},
                      ReadCase{"+-5", 0.0}, ReadCase{"inf", 0.0}, ReadCase{"nan", 0.0}, ReadCase{"0x10", 0.0},
                      // Blanks, tabs and line feeds are dropped wherever they stand; a
                      // carriage return is not.
                      ReadCase{" 7", 7.0}, ReadCase{"1 2", 12.0}, ReadCase{"\t1\n2 ", 12.0}, ReadCase{"- 5", -5.0},
                      ReadCase{"1 e 3", 1000.0}, ReadCase{" 1 . 5 ", 1.5}, ReadCase{"\r5", 0.0}, ReadCase{"5\r6", 5.0},
                      ReadCase{"+3", 3.0}, ReadCase{"-3", -3.0}, ReadCase{".5", 0.5}, ReadCase{"-.5", -0.5},
                      ReadCase{"1.", 1.0}, ReadCase{"12abc", 12.0}, ReadCase{"1.5.3", 1.5}, ReadCase{"1,5", 1.0},
                      ReadCase{"1e3", 1000.0}, ReadCase{"1E3", 1000.0}, ReadCase{"1e+2", 100.0}, ReadCase{"1e-2", 0.01},
                      ReadCase{"1e", 1.0}, ReadCase{"1e+", 1.0}, ReadCase{"1e-", 1.0}, ReadCase{"1e3.5", 1000.0},
                      ReadCase{"2147483647.5", 2147483647.5}, ReadCase{"1e308", 1e308},
                      ReadCase{"123456789012345678901234567890", 123456789012345678901234567890.0},
                      // Beyond the double range there is no value; below it, 0.
                      ReadCase{"1e400", std::nullopt}, ReadCase{"-1e400", std::nullopt}, ReadCase{"1e-400", 0.0}));

TEST(ReadInputNumber, HugeDigitStrings) {
    EXPECT_FALSE(ReadInputNumber("1" + std::string(400, '0')).has_value());
    EXPECT_FALSE(ReadInputNumber("-" + std::string(400, '9') + "xyz").has_value());
    EXPECT_EQ(ReadInputNumber("1" + std::string(300, '0')), 1e300);
    EXPECT_EQ(ReadInputNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(ReadInputNumber(std::string(5000, '0') + "42"), 42.0);
}

// A locale with a decimal comma must not change what a text stands for.
// A German locale: an installed one, or else one built from the locale
// sources into a temporary folder.
const char* SetGermanLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
        if (const char* found = std::setlocale(LC_ALL, name)) return found;
    }
    const std::string dir = ::testing::TempDir() + "tamsel-locales";
    const std::string build = "mkdir -p '" + dir + "' && localedef -i de_DE -f UTF-8 '" + dir +
                              "/de_DE.UTF-8' >/dev/null 2>&1";
    if (std::system(build.c_str()) == -1) return nullptr;
    setenv("LOCPATH", dir.c_str(), 1);
    const char* found = std::setlocale(LC_ALL, "de_DE.UTF-8");
    unsetenv("LOCPATH");
    return found;
}

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

struct TextCase {
    double value;
    const char* numberText;
    const char* plainText;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << std::setprecision(17) << c.value; }

class NumberTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberTextTest, WritesTheValue) {
    EXPECT_EQ(NumberText(GetParam().value), GetParam().numberText);
    EXPECT_EQ(PlainNumberText(GetParam().value), GetParam().plainText);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextTest,
    ::testing::Values(TextCase{0.0, " 0", "0"}, TextCase{-0.0, " 0", "0"}, TextCase{2.0, " 2", "2"},
                      TextCase{-3.0, "-3", "-3"}, TextCase{5.0, " 5", "5"},
                      TextCase{999999999999999.0, " 999999999999999", "999999999999999"},
                      TextCase{1e15, " 1000000000000000", "1000000000000000"},
                      TextCase{9007199254740992.0, " 9007199254740992", "9007199254740992"},
                      TextCase{1e20, " 100000000000000000000", "100000000000000000000"},
                      TextCase{-1e20, "-100000000000000000000", "-100000000000000000000"},
                      TextCase{9223372036854775808.0, " 9223372036854775808", "9223372036854775808"},
                      TextCase{18446744073709551616.0, " 18446744073709551616", "18446744073709551616"},
                      TextCase{std::ldexp(1.0, 100), " 1267650600228229401496703205376",
                               "1267650600228229401496703205376"},
                      TextCase{0.5, " 0.5", "0.5"}, TextCase{-2.25, "-2.25", "-2.25"}, TextCase{0.1, " 0.1", "0.1"},
                      TextCase{2.0 / 3.0, " 0.6666666666666666", "0.6666666666666666"},
                      TextCase{-1e-7, "-0.0000001", "-0.0000001"}, TextCase{123456.789, " 123456.789", "123456.789"},
                      TextCase{4503599627370495.5, " 4503599627370495.5", "4503599627370495.5"}));

// Non-whole values are written as the shortest decimal that reads back to
// the same double, with a full stop and no exponent.
TEST(NumberText, NonWholeValuesReadBackExactly) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> magnitude(-12.0, 15.0);
    for (int i = 0; i < 2000; ++i) {
        const double v = std::pow(10.0, magnitude(random)) * (i % 2 ? -1 : 1);
        if (v == std::trunc(v)) continue;
        const std::string text = NumberText(v);
        ASSERT_EQ(text.find_first_not_of("-. 0123456789"), std::string::npos) << text;
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), v) << text;
        EXPECT_EQ(ReadInputNumber(text), v) << text;
        // One digit fewer no longer reads back.
        const std::string shorter = text.substr(0, text.size() - 1);
        EXPECT_NE(std::strtod(shorter.c_str(), nullptr), v) << text;
        EXPECT_EQ(PlainNumberText(v), text[0] == ' ' ? text.substr(1) : text);
    }
}

struct Int32Case {
    double value;
    std::optional<std::int32_t> result;
};

void PrintTo(const Int32Case& c, std::ostream* os) { *os << std::setprecision(17) << c.value; }

class ToInt32Test : public ::testing::TestWithParam<Int32Case> {};

TEST_P(ToInt32Test, RoundsHalvesToEvenWithinRange) {
    const Int32Case& c = GetParam();
    if (c.result) {
        EXPECT_EQ(ToInt32(c.value), *c.result);
    } else {
        EXPECT_THROW(ToInt32(c.value), RunFailure);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, ToInt32Test,
    ::testing::Values(Int32Case{0.0, 0}, Int32Case{0.5, 0}, Int32Case{1.5, 2}, Int32Case{2.5, 2}, Int32Case{3.5, 4},
                      Int32Case{2.4, 2}, Int32Case{2.6, 3}, Int32Case{-0.5, 0}, Int32Case{-1.5, -2},
                      Int32Case{-2.5, -2}, Int32Case{-2.6, -3}, Int32Case{2147483647.0, 2147483647},
                      Int32Case{2147483646.5, 2147483646}, Int32Case{2147483647.4, 2147483647},
                      Int32Case{2147483647.5, std::nullopt}, Int32Case{2147483648.0, std::nullopt},
                      Int32Case{-2147483648.0, -2147483647 - 1}, Int32Case{-2147483648.5, -2147483647 - 1},
                      Int32Case{-2147483648.6, std::nullopt}, Int32Case{-2147483649.5, std::nullopt},
                      Int32Case{1e300, std::nullopt}, Int32Case{-std::numeric_limits<double>::infinity(), std::nullopt},
                      Int32Case{std::numeric_limits<double>::quiet_NaN(), std::nullopt}));

}  // namespace
}  // namespace tamsel
