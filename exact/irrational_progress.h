// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <gmpxx.h>

#include "exact/machine_integer.h"

namespace tamsel::exact::detail {

// Where an irrational walk stands, whatever integers it computes in.
//
// The first x that recurs is the first reduced one (usual algorithm:
// x > 1 and -1 < conjugate < 0; variant: x > 1 and 0 < conjugate < 1):
// reduced numbers are exactly those whose expansion is purely periodic, and
// the step maps reduced numbers to reduced ones. So the walk remembers the
// first reduced x and the period closes when that x comes back: O(1) per step.
struct IrrationalProgress {
    std::uint64_t steps = 0;
    std::uint64_t maxSteps = 0;
    // The step whose x is the first reduced one; 0 while none was met.
    std::uint64_t periodStart = 0;
    bool closed = false;
    bool limitReached = false;

    // That x, (startP + sqrt(d)) / startQ, in every form the tiers compare.
    mpz_class startP;
    mpz_class startQ;
    bool startFits64 = false;
    bool startFits128 = false;
    std::int64_t startP64 = 0;
    std::int64_t startQ64 = 0;
    Int128 startP128 = 0;
    Int128 startQ128 = 0;

    // Remembers x_(steps + 1) = (p + sqrt(d)) / q as the start of the period.
    void MarkPeriodStart(const mpz_class& p, const mpz_class& q);

    // Whether x_(steps + 1) = (p + sqrt(d)) / q closes the period.
    bool Closes(std::int64_t p, std::int64_t q) const {
        return startFits64 && p == startP64 && q == startQ64 && steps >= periodStart;
    }
    bool Closes(Int128 p, Int128 q) const {
        return startFits128 && p == startP128 && q == startQ128 && steps >= periodStart;
    }
    bool Closes(const mpz_class& p, const mpz_class& q) const {
        return steps >= periodStart && p == startP && q == startQ;
    }
};

}  // namespace tamsel::exact::detail
