// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/result_notations.h"

#include "notation/bracket_notation.h"
#include "notation/fraction_list.h"
#include "notation/nested_fraction.h"
#include "notation/trace_notation.h"

namespace tamsel {

void ResultNotations::RunOpening() {
    if (views_.drawing) ClearDrawing(*views_.drawing);
    ClearTrace(views_.trace);
}

void ResultNotations::RunStart() {
    OpenBracketNotation(views_.bracketNotation);
    if (views_.drawing) DrawFractionHead(*views_.drawing);
}

void ResultNotations::InputsReduced(const QuadIrrational& x) { StartTrace(views_.trace, x); }

void ResultNotations::QuotientPulled(int /*n*/, double k) { AppendQuotientToTrace(views_.trace, k); }

void ResultNotations::StepRecorded(int n, double k) {
    const mpz_class quotient(k);
    AppendQuotientToNotation(views_.bracketNotation, n, quotient);
    if (views_.drawing) DrawStep(*views_.drawing, n, quotient, variant_);
}

void ResultNotations::QuadIrrationalReached(const QuadIrrational& x) { AppendParameterLine(views_.trace, x); }

void ResultNotations::RationalEnd() { DropLastNotationChar(views_.bracketNotation); }

void ResultNotations::PeriodFound(std::int32_t periodStart, int /*n*/) {
    DropLastNotationChar(views_.bracketNotation);
    if (views_.drawing) DrawPeriodMark(*views_.drawing, periodStart);
    OpenPeriodInNotation(views_.bracketNotation);
}

void ResultNotations::PeriodQuotient(double k) { AppendPeriodQuotient(views_.bracketNotation, mpz_class(k)); }

void ResultNotations::Closing(const std::vector<Fraction>& fractions) {
    CloseBracketNotation(views_.bracketNotation);
    ShowFractionList(views_.fractionList, fractions);
}

}  // namespace tamsel
