// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tamsel {

// Why a run could not go on. The window shows the same message for all of
// them; the command line names the reason.
enum class FailureReason {
    UnreadableInput,   // a number beyond the double range
    NonWholeInput,     // a value with a fractional part
    InexactInput,      // a whole value no double holds exactly
    NegativeX,         // x < 0
    NegativeRadicand,  // wurzel < 0
    ZeroDenominator,   // nenner 0 in the input
    Int32Overflow,     // a value outside the 32-bit range where a reduction or the record needs it
    BeyondTwoToThe53,  // a computed value that changes x lies beyond 2^53
    StepLimit,         // step 101 cannot be recorded
    NotationEmptied,   // the bracket-notation box was emptied before its last separator was dropped
};

// Thrown anywhere inside a run when it cannot go on. The run catches it in
// one place, shows "Das ist keine gute Eingabe!" and closes the line.
struct RunFailure {
    FailureReason reason;
};

// Thrown when the program is ending while a run yields: the run stops at
// once and writes nothing more.
struct RunAborted {};

}  // namespace tamsel
