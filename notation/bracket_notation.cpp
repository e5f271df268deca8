// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/bracket_notation.h"

#include "engine/number_text.h"
#include "engine/run_failure.h"

namespace tamsel {

void OpenBracketNotation(TextHolder& box) { box.Append("x = ["); }

void AppendQuotientToNotation(TextHolder& box, int n, const mpz_class& k) {
    std::string text = NumberText(k);
    if (n == 1) text += ";";
    if (n > 1) text += ",";
    box.Append(text);
}

void DropLastNotationChar(TextHolder& box) {
    if (!box.DropLastChar()) throw RunFailure{FailureReason::NotationEmptied};
}

void OpenPeriodInNotation(TextHolder& box) { box.Append("   Periode"); }

void AppendPeriodQuotient(TextHolder& box, const mpz_class& k) { box.Append(NumberText(k)); }

void CloseBracketNotation(TextHolder& box) { box.Append(" ]\r\n"); }

}  // namespace tamsel
