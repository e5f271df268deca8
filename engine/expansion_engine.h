// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "engine/expansion_host.h"
#include "engine/expansion_state.h"
#include "engine/output_points.h"
#include "engine/run_failure.h"

namespace tamsel {

enum class RunEnd {
    Regular,  // rational end or period found
    Failed,   // took the failure path ("Das ist keine gute Eingabe!")
    Aborted,  // the program ended while the run yielded
    Refused,  // a run was already in progress
};

struct RunResult {
    RunEnd end = RunEnd::Regular;
    std::optional<std::int32_t> periodStart;
    std::optional<FailureReason> failure;  // set when the run took the failure path
};

inline constexpr const char* kBadInputMessage = "Das ist keine gute Eingabe!";
inline constexpr const char* kNegativeXMessage = "Bitte x > 0 beachten";

// Owns the run state and performs the expansion run on a host's inputs,
// handing out its results at the run's output points.
class ExpansionEngine {
public:
    ExpansionEngine(ExpansionHost& host, OutputPoints& outputs) : host_(host), outputs_(outputs) {}

    // Reads the four inputs, checks and reduces them, expands x step by step
    // until the denominator becomes 0 or a quadratic irrational recurs, and
    // ends with the closing point and the approximating fractions, after a
    // failure too. A request while a run is yielding is refused.
    RunResult RunExpansion();

    bool RunInProgress() const { return running_; }
    const ExpansionState& State() const { return state_; }

private:
    void Expand(std::optional<std::int32_t>& periodStart, int& recorded);
    void ReadInputs();
    void WriteBackInputs();
    void ReplayPeriod(std::int32_t periodStart);
    void Advance(double k);

    ExpansionHost& host_;
    OutputPoints& outputs_;
    ExpansionState state_;
    bool running_ = false;
};

}  // namespace tamsel
