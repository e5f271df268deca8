// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fundamental units of the orders Z[sqrt(D)] and, for D = 1 (mod 4),
// Z[(1 + sqrt(D)) / 2], from the period of a continued fraction: the unit is
// the product of the complete quotients over one period, and its norm is
// (-1)^(period length). The exact unit comes from the product of the
// quotient matrices; the regulator can come from the walk alone.

#include <cstdint>
#include <optional>

#include <gmpxx.h>

#include "exact/regulator_bounds.h"

namespace tamsel::exact {

enum class UnitOrder {
    Root,  // Z[sqrt(D)], discriminant 4D; the unit is x + y sqrt(D)
    Half,  // Z[(1 + sqrt(D)) / 2] for D = 1 (mod 4), discriminant D; the unit is (x + y sqrt(D)) / 2
};

struct UnitRequest {
    mpz_class d;  // whole, positive, not a square
    UnitOrder order = UnitOrder::Root;
    std::uint64_t maxSteps = 0;
    bool exact = true;                        // x and y
    std::optional<unsigned> regulatorDigits;  // the regulator to so many significant digits
};

struct OrderUnit {
    bool closed = false;  // false: the period did not close within maxSteps
    std::uint64_t periodLength = 0;
    int norm = 0;
    mpz_class x, y;  // when exact was asked for
    std::optional<RoundedDecimal> regulator;
};

// The divisor of the unit's form: 1 for Z[sqrt(D)], 2 for the other order.
inline unsigned long UnitDivisor(UnitOrder order) { return order == UnitOrder::Root ? 1 : 2; }

OrderUnit FundamentalUnit(const UnitRequest& request);

// The square of the unit (x + y sqrt(D)) / divisor in the same form: the
// solution of x^2 - D y^2 = divisor^2 that a unit of norm -1 gives.
void SquareUnit(const mpz_class& x, const mpz_class& y, const mpz_class& d, unsigned long divisor, mpz_class& x2,
                mpz_class& y2);


}  // namespace tamsel::exact
