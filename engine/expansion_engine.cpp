// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/expansion_engine.h"

#include "engine/approximating_fractions.h"
#include "engine/input_number.h"
#include "engine/int32_conversion.h"
#include "engine/number_text.h"
#include "engine/reduction.h"
#include "engine/run_failure.h"
#include "engine/step_arithmetic.h"

namespace tamsel {

namespace {

class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& flag_;
};

// Only whole numbers that a double holds exactly are taken; any other text
// fails the run before anything is written back.
double ReadNumber(const ExpansionHost& host, InputBox box) {
    const std::variant<double, FailureReason> read = ReadWholeInput(host.InputText(box));
    if (const FailureReason* reason = std::get_if<FailureReason>(&read)) throw RunFailure{*reason};
    return std::get<double>(read);
}

}  // namespace

RunResult ExpansionEngine::RunExpansion() {
    if (running_) return {RunEnd::Refused, std::nullopt, std::nullopt};
    const RunningFlag running(running_);

    outputs_.RunOpening();

    std::optional<std::int32_t> periodStart;
    int recorded = 0;
    RunEnd end = RunEnd::Regular;
    std::optional<FailureReason> failure;
    try {
        outputs_.RunStart();
        Expand(periodStart, recorded);
    } catch (const RunFailure& f) {
        host_.ShowMessage(kBadInputMessage, MessageIcon::None);
        end = RunEnd::Failed;
        failure = f.reason;
    } catch (const RunAborted&) {
        return {RunEnd::Aborted, periodStart, std::nullopt};
    }

    outputs_.Closing(ListApproximatingFractions(state_, periodStart, recorded, host_));
    return {end, periodStart, failure};
}

void ExpansionEngine::Expand(std::optional<std::int32_t>& periodStart, int& recorded) {
    state_.n = 0;
    ReadInputs();
    if (IsNegative(state_.Current())) {
        host_.ShowMessage(kNegativeXMessage, MessageIcon::Information);
        throw RunFailure{FailureReason::NegativeX};
    }
    ReduceByCommonDivisor(state_);
    WriteBackInputs();
    outputs_.InputsReduced(state_.Current());
    for (int i = 1; i <= kLastRecordableStep; ++i) state_.quotient[i] = 0;

    for (;;) {
        if (!host_.Yield()) throw RunAborted{};
        state_.n = static_cast<std::int16_t>(state_.n + 1);
        const int n = state_.n;
        const double k = PullOutInteger(state_, host_);
        outputs_.QuotientPulled(n, k);

        // Record the step; there is no room for a step beyond the last.
        if (n > kLastRecordableStep) throw RunFailure{FailureReason::StepLimit};
        state_.quotient[n] = k;
        recorded = n;
        state_.koeffHistory[n] = state_.koeff;
        state_.absHistory[n] = state_.abs;
        state_.nennerHistory[n] = ToInt32(state_.nenner);
        outputs_.StepRecorded(n, k);

        Advance(k);

        if (state_.nenner == 0) {
            outputs_.RationalEnd();
            return;
        }
        if (state_.koeff != 0 && state_.wurzel != 0) {
            ReduceByCommonDivisor(state_);
        } else {
            ReduceAbsNenner(state_);
        }
        outputs_.QuadIrrationalReached(state_.Current());

        const std::int32_t i = FindEarlierStep(state_, state_.koeff, state_.abs, ToInt32(state_.nenner));
        if (i > 0) {
            periodStart = i;
            outputs_.PeriodFound(i, n);
            ReplayPeriod(i);
            return;
        }
    }
}

// Pulls the quotients of the period out once more, for the notation behind
// "Periode"; ends on the quadratic irrational where the period starts.
void ExpansionEngine::ReplayPeriod(std::int32_t periodStart) {
    for (int j = periodStart; j <= state_.n; ++j) {
        const double k = PullOutInteger(state_, host_);
        outputs_.PeriodQuotient(k);
        Advance(k);
        ReduceByCommonDivisor(state_);
    }
}

// Remembers the parameters the step started from, then moves on to the
// next quadratic irrational.
void ExpansionEngine::Advance(double k) {
    state_.prevKoeff = state_.koeff;
    state_.prevAbs = state_.abs;
    state_.prevNenner = ToInt32(state_.nenner);
    state_.prevWurzel = state_.wurzel;
    AdvanceQuadIrrational(state_, k, host_);
}

void ExpansionEngine::ReadInputs() {
    state_.koeff = ReadNumber(host_, InputBox::Koeff);
    state_.wurzel = ReadNumber(host_, InputBox::Wurzel);
    state_.abs = ReadNumber(host_, InputBox::Abs);
    state_.nenner = ReadNumber(host_, InputBox::Nenner);
}

void ExpansionEngine::WriteBackInputs() {
    host_.SetInputText(InputBox::Koeff, PlainNumberText(state_.koeff));
    host_.SetInputText(InputBox::Abs, PlainNumberText(state_.abs));
    host_.SetInputText(InputBox::Nenner, PlainNumberText(state_.nenner));
}

}  // namespace tamsel
