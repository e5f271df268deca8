// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole solutions of x^2 - D y^2 = N for N != 0, by classes: two
// solutions are in one class when one is the other times a unit of norm 1,
// with either sign. Each class is given by its fundamental solution, the one
// with the least y >= 0 (x > 0 where two have that y).

#include <cstdint>
#include <vector>

#include <gmpxx.h>

namespace tamsel::exact {

struct NormSolution {
    mpz_class x, y;
};

// The largest |N| the search for classes takes (it tries every z with
// |z| <= |N| / 2).
inline constexpr std::int64_t kLargestNorm = 100'000'000;

enum class NormStatus { Solved, StepLimit, NormTooLarge };

struct NormClasses {
    NormStatus status = NormStatus::Solved;
    std::vector<NormSolution> classes;  // by y, then x from the larger
};

// (x1, y1): the fundamental solution of x^2 - D y^2 = 1. A period longer
// than maxSteps gives StepLimit.
NormClasses SolveNormEquation(const mpz_class& d, const mpz_class& n, const mpz_class& x1, const mpz_class& y1,
                              std::uint64_t maxSteps);

// The `count` smallest solutions with x > 0 and y > 0, in increasing order.
std::vector<NormSolution> SmallestPositiveSolutions(const std::vector<NormSolution>& classes, const mpz_class& d,
                                                    const mpz_class& x1, const mpz_class& y1, std::uint64_t count);

}  // namespace tamsel::exact
