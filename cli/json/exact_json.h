// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
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
// Whole numbers from 2^53 on (either sign) are strings of digits. With a
// `file`, the object starts with "file": its name.
void WriteExactJson(std::ostream& out, const exact::ExactExpansion& expansion, const FieldSet& fields,
                    std::uint64_t convergents, const ApproximationRequest& approximations = {}, std::uint64_t line = 0,
                    bool surdTrace = false, const std::string* file = nullptr);

// {"koeff": …, "wurzel": …, "abs": …, "nenner": …}, the numbers of x.
void WriteJsonInputs(std::ostream& out, const exact::ExactInput& input);

// {"line": line, "error": message, "code": code} on one line, with "file"
// first when a file is given.
void WriteJsonError(std::ostream& out, std::uint64_t line, const std::string& message, const char* code,
                    const std::string* file = nullptr, std::optional<std::size_t> column = std::nullopt);

}  // namespace tamsel
