// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "engine/quad_irrational.h"
#include "notation/text_holder.h"

namespace tamsel {

// The trace: one line per quadratic irrational met during a run, its
// parameters koeff, wurzel, abs and nenner separated by TAB, then TAB, ">"
// and the integer pulled out of it, and CR LF. The last line of a periodic
// expansion has no quotient.

// The four parameters, each as a number text, separated by TAB; no line end.
std::string ParameterLine(const QuadIrrational& x);

// Empties the trace.
void ClearTrace(TextHolder& box);
// Replaces the trace by the parameter line of the run's first quadratic irrational.
void StartTrace(TextHolder& box, const QuadIrrational& x);
// Appends TAB, ">", the quotient and CR LF.
void AppendQuotientToTrace(TextHolder& box, double k);
// Appends the parameter line of the next quadratic irrational.
void AppendParameterLine(TextHolder& box, const QuadIrrational& x);

}  // namespace tamsel
