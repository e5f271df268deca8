// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "cli/exact_mode/approximation_request.h"
#include "cli/json/exact_fields.h"
#include "exact/exact_expansion.h"

namespace tamsel {

// Runs the expansion and writes the result as one JSON object on one line,
// with the keys of `fields` only, computing no more than they need:
// "line" (the given line number), "exact" (true), "inputs" (as typed),
// "quotients" (before the period), "period", "periodStart" and
// "periodLength" (null unless the period closed), "steps", "end"
// ("rational", "period" or "step-limit"), "convergents" (up to
// `convergents` [p, q] pairs), "errors" (|x - p/q| of each of them as
// text), "semiconvergents", "best" and "digits" (see approximation_output.h)
// and "trace" (with `surdTrace` the complete quotients as [P, D, Q, k]).
// Whole numbers beyond 2^53 are strings of digits.
void WriteExactJson(std::ostream& out, const exact::ExactExpansion& expansion, const FieldSet& fields,
                    std::uint64_t convergents, const ApproximationRequest& approximations = {}, std::uint64_t line = 0,
                    bool surdTrace = false);

// {"line": line, "error": message} on one line.
void WriteJsonError(std::ostream& out, std::uint64_t line, const std::string& message);

}  // namespace tamsel
