// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "engine/quad_irrational.h"

namespace tamsel {

// The last step whose quotient and parameters can be recorded.
inline constexpr int kLastRecordableStep = 100;

// The run state: step counter, the current quadratic irrational, the
// parameters at the start of the current step, and for steps 1 to 100 the
// pulled-out integers and the parameters each step started from.
// Index 0 of the histories is never used; entries above n keep the values
// of an earlier run.
struct ExpansionState {
    std::int16_t n = 0;

    double koeff = 0;
    double wurzel = 0;
    double abs = 0;
    double nenner = 0;

    double prevKoeff = 0;
    double prevWurzel = 0;
    double prevAbs = 0;
    std::int32_t prevNenner = 0;

    std::array<double, kLastRecordableStep + 1> quotient{};
    std::array<double, kLastRecordableStep + 1> koeffHistory{};
    std::array<double, kLastRecordableStep + 1> absHistory{};
    std::array<std::int32_t, kLastRecordableStep + 1> nennerHistory{};

    QuadIrrational Current() const { return {koeff, wurzel, abs, nenner}; }
    void SetCurrent(const QuadIrrational& x) {
        koeff = x.koeff;
        wurzel = x.wurzel;
        abs = x.abs;
        nenner = x.nenner;
    }
};

}  // namespace tamsel
