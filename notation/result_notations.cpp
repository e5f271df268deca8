// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/result_notations.h"

#include "notation/bracket_notation.h"
#include "notation/nested_fraction.h"

namespace tamsel {

void ResultNotations::RunOpening() {
    if (drawing_) ClearDrawing(*drawing_);
}

void ResultNotations::RunStart() {
    OpenBracketNotation(box_);
    if (drawing_) DrawFractionHead(*drawing_);
}

void ResultNotations::StepRecorded(int n, double k) {
    const mpz_class quotient(k);
    AppendQuotientToNotation(box_, n, quotient);
    if (drawing_) DrawStep(*drawing_, n, quotient, variant_);
}

void ResultNotations::RationalEnd() { DropLastNotationChar(box_); }

void ResultNotations::PeriodFound(std::int32_t periodStart, int /*n*/) {
    DropLastNotationChar(box_);
    if (drawing_) DrawPeriodMark(*drawing_, periodStart);
    OpenPeriodInNotation(box_);
}

void ResultNotations::PeriodQuotient(double k) { AppendPeriodQuotient(box_, mpz_class(k)); }

void ResultNotations::Closing() { CloseBracketNotation(box_); }

}  // namespace tamsel
