// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include <gmpxx.h>
#include <gtest/gtest.h>

#include "exact/norm_equation.h"
#include "exact/pell_units.h"

namespace tamsel::exact {
namespace {

using Pair = std::pair<std::int64_t, std::int64_t>;

std::int64_t SquareRootOf(std::int64_t v) {
    if (v < 0) return -1;
    const auto r = static_cast<std::int64_t>(std::llround(std::sqrt(static_cast<double>(v))));
    return r * r == v ? r : -1;
}

// The classes by brute force over Nagell's bounds: the fundamental solution
// of every class has 0 <= y <= y1 sqrt(N / (2 (x1 + 1))) for N > 0 and
// y <= y1 sqrt(|N| / (2 (x1 - 1))) for N < 0. The solutions in that range
// are grouped into classes (x x' - D y y' and x y' - x' y both divisible by
// N), and each class keeps its least y, x > 0 first.
std::vector<Pair> BruteForceClasses(std::int64_t d, std::int64_t n, std::int64_t x1, std::int64_t y1) {
    const double bound = y1 * std::sqrt(std::abs(n) / (2.0 * (n > 0 ? x1 + 1 : x1 - 1)));
    std::vector<Pair> found;
    for (std::int64_t y = 0; y <= static_cast<std::int64_t>(bound) + 1; ++y) {
        const std::int64_t x = SquareRootOf(n + d * y * y);
        if (x < 0) continue;
        found.push_back({x, y});
        if (x > 0) found.push_back({-x, y});
    }
    std::vector<Pair> classes;
    for (const Pair& s : found) {
        bool known = false;
        for (const Pair& c : classes) {
            known = known || ((s.first * c.first - d * s.second * c.second) % n == 0 &&
                              (s.first * c.second - c.first * s.second) % n == 0);
        }
        if (!known) classes.push_back(s);  // the first found has the least y and x > 0 first
    }
    return classes;
}

std::vector<Pair> Classes(const NormClasses& classes) {
    std::vector<Pair> pairs;
    for (const NormSolution& s : classes.classes) pairs.push_back({s.x.get_si(), s.y.get_si()});
    return pairs;
}

TEST(NormEquation, ClassesAgreeWithBruteForce) {
    for (std::int64_t d = 2; d <= 200; ++d) {
        if (SquareRootOf(d) >= 0) continue;
        UnitRequest request;
        request.d = static_cast<long>(d);
        request.maxSteps = 1000;
        const OrderUnit unit = FundamentalUnit(request);
        mpz_class x1 = unit.x, y1 = unit.y;
        if (unit.norm < 0) SquareUnit(unit.x, unit.y, request.d, 1, x1, y1);
        if (x1 >= 10'000'000) continue;
        for (std::int64_t n = -50; n <= 50; ++n) {
            if (n == 0) continue;
            SCOPED_TRACE(std::to_string(d) + " " + std::to_string(n));
            const NormClasses classes = SolveNormEquation(request.d, n, x1, y1, 1000);
            ASSERT_EQ(classes.status, NormStatus::Solved);
            EXPECT_EQ(Classes(classes), BruteForceClasses(d, n, x1.get_si(), y1.get_si()));

            // The three smallest positive solutions, where a search can check them.
            const std::vector<NormSolution> smallest = SmallestPositiveSolutions(classes.classes, request.d, x1, y1, 3);
            if (smallest.empty() || smallest.back().y > 100'000) continue;
            std::vector<Pair> positive;
            for (std::int64_t y = 1; y <= smallest.back().y.get_si(); ++y) {
                const std::int64_t x = SquareRootOf(n + d * y * y);
                if (x > 0) positive.push_back({x, y});
            }
            std::vector<Pair> listed;
            for (const NormSolution& s : smallest) listed.push_back({s.x.get_si(), s.y.get_si()});
            EXPECT_EQ(listed, positive);
        }
    }
}

TEST(NormEquation, NonPrimitiveAndLargeCases) {
    const struct {
        const char* d;
        const char* n;
        std::vector<Pair> classes;
    } table[] = {
        {"30", "4", {{2, 0}}},                      // (22, 4) = 2 (11, 2) is in the class of (2, 0)
        {"13", "-4", {{3, 1}, {-3, 1}, {36, 10}}},  // conjugate classes listed apart
        {"991", "-1", {}},
        {"1000000000039", "7", {}},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(std::string(row.d) + " " + row.n);
        UnitRequest request;
        request.d = mpz_class(row.d);
        request.maxSteps = 1'000'000;
        const OrderUnit unit = FundamentalUnit(request);
        mpz_class x1 = unit.x, y1 = unit.y;
        if (unit.norm < 0) SquareUnit(unit.x, unit.y, request.d, 1, x1, y1);
        const NormClasses classes = SolveNormEquation(request.d, mpz_class(row.n), x1, y1, 1'000'000);
        EXPECT_EQ(Classes(classes), row.classes);
    }
}

}  // namespace
}  // namespace tamsel::exact
