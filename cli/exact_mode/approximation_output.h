// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include <gmpxx.h>

#include "cli/exact_mode/approximation_request.h"
#include "exact/exact_expansion.h"

namespace tamsel {

// |x - p/q| to three significant digits, as "3.64e-7", "0" for x itself.
std::string ErrorText(const exact::ExactExpansion& expansion, const mpz_class& p, const mpz_class& q);

// The text sections asked for: "Dezimalstellen" (--digits), the
// convergents with their intermediate fractions (--semiconvergents, the
// first `count` fractions) and the best approximations (--best), each with
// the errors when asked for. Each section begins with an empty line.
void WritePlainApproximations(std::ostream& out, const exact::ExactExpansion& expansion,
                              const ApproximationRequest& request, std::uint64_t count);

// The values of the JSON keys: "digits" (a string, null without --digits),
// "semiconvergents" (an array of {"fraction":[p,q],"intermediate":…} with
// "after", "j" and "best" for an intermediate one and "error" with
// --errors), "best" ({"maxDenominator","secondKind","firstKind"} and their
// errors, null without --best or before the step limit allows an answer).
void WriteJsonDigits(std::ostream& out, const exact::ExactExpansion& expansion, const ApproximationRequest& request);
void WriteJsonSemiconvergents(std::ostream& out, const exact::ExactExpansion& expansion,
                              const ApproximationRequest& request, std::uint64_t count);
void WriteJsonBest(std::ostream& out, const exact::ExactExpansion& expansion, const ApproximationRequest& request);

}  // namespace tamsel
