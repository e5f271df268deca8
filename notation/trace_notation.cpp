// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/trace_notation.h"

#include "engine/number_text.h"

namespace tamsel {

std::string ParameterLine(const QuadIrrational& x) {
    return NumberText(x.koeff) + "\t" + NumberText(x.wurzel) + "\t" + NumberText(x.abs) + "\t" + NumberText(x.nenner);
}

void ClearTrace(TextHolder& box) { box.Clear(); }

void StartTrace(TextHolder& box, const QuadIrrational& x) {
    box.Clear();
    box.Append(ParameterLine(x));
}

void AppendQuotientToTrace(TextHolder& box, double k) { box.Append("\t>" + NumberText(k) + "\r\n"); }

void AppendParameterLine(TextHolder& box, const QuadIrrational& x) { box.Append(ParameterLine(x)); }

}  // namespace tamsel
