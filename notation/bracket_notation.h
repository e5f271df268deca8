// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gmpxx.h>

#include "notation/text_holder.h"

namespace tamsel {

// The bracket notation x = [ k1; k2, ...   Periode ... ], one line per run,
// appended to the text of its box.

// Appends "x = [".
void OpenBracketNotation(TextHolder& box);
// Appends the quotient of step n, then ";" after step 1 or "," after later steps.
void AppendQuotientToNotation(TextHolder& box, int n, const mpz_class& k);
// Removes the last character; throws RunFailure on an empty text.
void DropLastNotationChar(TextHolder& box);
// Appends "   Periode".
void OpenPeriodInNotation(TextHolder& box);
// Appends a quotient of the period, without separator.
void AppendPeriodQuotient(TextHolder& box, const mpz_class& k);
// Appends " ]" and CR LF.
void CloseBracketNotation(TextHolder& box);

}  // namespace tamsel
