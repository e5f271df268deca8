// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "notation/text_run.h"

namespace tamsel {

// The results of a window run for the terminal: the bracket line, the trace
// as a table and the approximating fractions as p/q.
void PrintPlain(const TextRun& run, std::ostream& out);

// The results of a window run as one JSON object: the texts of the window's
// three boxes exactly, the inputs after the write-back, the messages, n,
// the period start and the failure reason.
void PrintJson(const TextRun& run, std::ostream& out);

// The stable English name of a failure reason, such as "step-limit".
const char* FailureName(FailureReason reason);

}  // namespace tamsel
