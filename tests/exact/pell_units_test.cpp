// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <cstdint>
#include <string>

#include <gmpxx.h>
#include <gtest/gtest.h>

#include "expand_for_test.h"

#include "exact/convergents.h"
#include "exact/pell_units.h"
#include "exact/surd_product.h"
#include "exact/surd_walk.h"

namespace tamsel::exact {
namespace {

OrderUnit Unit(const mpz_class& d, UnitOrder order = UnitOrder::Root, bool exact = true,
               std::optional<unsigned> digits = std::nullopt, std::uint64_t maxSteps = 10'000'000) {
    UnitRequest request;
    request.d = d;
    request.order = order;
    request.maxSteps = maxSteps;
    request.exact = exact;
    request.regulatorDigits = digits;
    return FundamentalUnit(request);
}

// (x, y) of x^2 - D y^2 = divisor^2 from a unit of either norm.
std::pair<mpz_class, mpz_class> PlusSolution(const OrderUnit& unit, const mpz_class& d, unsigned long divisor) {
    if (unit.norm > 0) return {unit.x, unit.y};
    mpz_class x, y;
    SquareUnit(unit.x, unit.y, d, divisor, x, y);
    return {x, y};
}

struct KnownPell {
    const char* d;
    std::uint64_t period;
    const char* x;
    const char* y;
    const char* minusX;  // nullptr: x^2 - D y^2 = -1 has no solution
    const char* minusY;
};

TEST(PellUnits, KnownFundamentalSolutions) {
    const KnownPell table[] = {
        {"2", 1, "3", "2", "1", "1"},
        {"3", 2, "2", "1", nullptr, nullptr},
        {"5", 1, "9", "4", "2", "1"},
        {"7", 4, "8", "3", nullptr, nullptr},
        {"13", 5, "649", "180", "18", "5"},
        {"29", 5, "9801", "1820", "70", "13"},
        {"61", 11, "1766319049", "226153980", "29718", "3805"},
        {"109", 15, "158070671986249", "15140424455100", "8890182", "851525"},
        {"991", 60, "379516400906811930638014896080", "12055735790331359447442538767", nullptr, nullptr},
    };
    for (const KnownPell& row : table) {
        SCOPED_TRACE(row.d);
        const mpz_class d(row.d);
        const OrderUnit unit = Unit(d);
        ASSERT_TRUE(unit.closed);
        EXPECT_EQ(unit.periodLength, row.period);
        EXPECT_EQ(PlusSolution(unit, d, 1), std::make_pair(mpz_class(row.x), mpz_class(row.y)));
        EXPECT_EQ(unit.norm, row.minusX ? -1 : 1);
        if (row.minusX) {
            EXPECT_EQ(std::make_pair(unit.x, unit.y), std::make_pair(mpz_class(row.minusX), mpz_class(row.minusY)));
        }
    }
}

TEST(PellUnits, LongUnitsByNormAndDigits) {
    // 10^6 + 99: the last twelve digits as PARI/GP's quadunit gives them.
    const struct {
        const char* d;
        std::uint64_t period;
        std::size_t xDigits;
        const char* xEnd;
    } table[] = {
        {"1000099", 2174, 1128, "142009449330"},
        {"1000000000039", 532572, 274428, nullptr},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.d);
        const mpz_class d(row.d);
        const OrderUnit unit = Unit(d);
        EXPECT_EQ(unit.periodLength, row.period);
        EXPECT_EQ(mpz_class(unit.x * unit.x - d * unit.y * unit.y), 1);
        const std::string x = unit.x.get_str();
        EXPECT_EQ(x.size(), row.xDigits);
        if (row.xEnd) {
            EXPECT_EQ(x.substr(x.size() - 12), row.xEnd);
        }
    }
}

TEST(PellUnits, UnitsOfTheOrderOfDiscriminantD) {
    const struct {
        const char* d;
        const char* x;
        const char* y;
        int norm;
    } table[] = {
        {"5", "1", "1", -1}, {"13", "3", "1", -1}, {"21", "5", "1", 1}, {"45", "7", "1", 1}, {"61", "39", "5", -1}};
    for (const auto& row : table) {
        SCOPED_TRACE(row.d);
        const OrderUnit unit = Unit(mpz_class(row.d), UnitOrder::Half);
        EXPECT_EQ(std::make_pair(unit.x, unit.y), std::make_pair(mpz_class(row.x), mpz_class(row.y)));
        EXPECT_EQ(unit.norm, row.norm);
    }
}

TEST(PellUnits, HundredThousandDigitsWithAShortPeriod) {
    // sqrt(m^2 + 1) = [m; 2m], unit m + sqrt(D) of norm -1;
    // sqrt(m^2 + 2) = [m; m, 2m], unit m^2 + 1 + m sqrt(D).
    mpz_class m;
    mpz_ui_pow_ui(m.get_mpz_t(), 10, 50'000);
    const OrderUnit plusOne = Unit(m * m + 1, UnitOrder::Root, true, 30);
    EXPECT_EQ(plusOne.periodLength, 1U);
    EXPECT_EQ(plusOne.norm, -1);
    EXPECT_TRUE(plusOne.x == m && plusOne.y == 1);
    // log(2m) and less than 10^-100000 (PARI/GP: 115129.94779688284414620898996633966...).
    ASSERT_TRUE(plusOne.regulator);
    EXPECT_EQ(plusOne.regulator->digits, "115129947796882844146208989966");
    const OrderUnit plusTwo = Unit(m * m + 2);
    EXPECT_EQ(plusTwo.periodLength, 2U);
    EXPECT_TRUE(plusTwo.x == m * m + 1 && plusTwo.y == m);
}

TEST(PellUnits, RegulatorsCorrectlyRoundedWithAndWithoutTheUnit) {
    // Digits from PARI/GP at 96 digits' precision.
    const struct {
        const char* d;
        UnitOrder order;
        unsigned digits;
        const char* expected;
        long exponent;
    } table[] = {
        {"2", UnitOrder::Root, 30, "881373587019543025232609324980", 0},
        {"7", UnitOrder::Root, 40, "2768659383313573832732001409383745519872", 1},
        {"13", UnitOrder::Root, 30, "358428965186132791233579248556", 1},
        {"13", UnitOrder::Half, 30, "119476321728710930411193082852", 1},
        {"45", UnitOrder::Half, 3, "192", 1},
        {"991", UnitOrder::Root, 60, "688018425044467789442253988257670644309216347652367680598694", 2},
        {"1000000000039", UnitOrder::Root, 30, "631893230819844162644137393398", 6},
    };
    for (const auto& row : table) {
        for (bool exact : {true, false}) {
            SCOPED_TRACE(std::string(row.d) + (exact ? " from the unit" : " from the walk"));
            const OrderUnit unit = Unit(mpz_class(row.d), row.order, exact, row.digits);
            ASSERT_TRUE(unit.regulator);
            EXPECT_EQ(unit.regulator->digits, row.expected);
            EXPECT_EQ(unit.regulator->exponent, row.exponent);
        }
    }
}

TEST(PellUnits, ProductOnTwoThreadsEqualsTheProductOnOne) {
    // The complete quotients of a period of sqrt(1000099), multiplied with
    // every merge on two threads and with none.
    const mpz_class d(1000099);
    SurdProduct oneThread(d, std::size_t{1} << 62), twoThreads(d, 1);
    SurdWalk<std::int64_t> walk(1000099, 1000, 0, 1);
    for (int i = 0; i < 2174; ++i) {
        const std::int64_t p = walk.P(), q = walk.Q();
        const std::int64_t k = walk.Step();
        oneThread.Step(k, p, q);
        twoThreads.Step(k, p, q);
    }
    mpz_class u1, v1, u2, v2;
    oneThread.Finish(walk.P(), walk.Q(), u1, v1);
    twoThreads.Finish(walk.P(), walk.Q(), u2, v2);
    EXPECT_EQ(std::make_pair(u1, v1), std::make_pair(u2, v2));
    // A whole period ends at Q = 1: u + v sqrt(D) is the unit.
    EXPECT_EQ(mpz_class(u1 * u1 - d * v1 * v1), 1);
}

TEST(PellUnits, PeriodLongerThanTheStepLimit) {
    for (bool exact : {true, false}) {
        EXPECT_FALSE(Unit(mpz_class(991), UnitOrder::Root, exact, 30, 59).closed);
        EXPECT_TRUE(Unit(mpz_class(991), UnitOrder::Root, exact, 30, 60).closed);
    }
    EXPECT_FALSE(Unit(mpz_class(1000099), UnitOrder::Root, false, std::nullopt, 2173).closed);
}

// Whether D y^2 + c is a square, for values below 2^53.
bool SquareAfter(std::uint64_t d, std::uint64_t y, int c) {
    const std::uint64_t v = d * y * y + c;
    const auto r = static_cast<std::uint64_t>(std::llround(std::sqrt(static_cast<double>(v))));
    return r * r == v;
}

TEST(PellUnits, EveryNonSquareUpTo2000) {
    for (std::uint64_t d = 2; d <= 2000; ++d) {
        const std::uint64_t root = static_cast<std::uint64_t>(std::llround(std::sqrt(static_cast<double>(d))));
        if (root * root == d) continue;
        SCOPED_TRACE(d);
        const mpz_class bigD(static_cast<unsigned long>(d));
        const OrderUnit unit = Unit(bigD);
        const auto [x, y] = PlusSolution(unit, bigD, 1);
        ASSERT_EQ(mpz_class(x * x - bigD * y * y), 1);

        // The period as the exact mode's walk finds it.
        const test::Collected walk = test::Expand({"1", std::to_string(d), "0", "1"}, false);
        ASSERT_EQ(unit.periodLength, walk.summary.periodLength);
        EXPECT_EQ(unit.norm == -1, unit.periodLength % 2 == 1);

        if (y < 1'000'000) {
            const std::uint64_t least = y.get_ui();
            for (std::uint64_t smaller = 1; smaller < least; ++smaller) {
                ASSERT_FALSE(SquareAfter(d, smaller, 1)) << smaller;
                ASSERT_EQ(SquareAfter(d, smaller, -1), unit.norm < 0 && smaller == unit.y) << smaller;
            }
        } else {
            // The convergent before the end of the period, one quotient at a time.
            ConvergentSequence convergent(false);
            for (std::uint64_t i = 0; i < unit.periodLength; ++i) convergent.Next(walk.quotients[i]);
            EXPECT_EQ(std::make_pair(convergent.Numerator(), convergent.Denominator()), std::make_pair(unit.x, unit.y));
        }
    }
}

}  // namespace
}  // namespace tamsel::exact
