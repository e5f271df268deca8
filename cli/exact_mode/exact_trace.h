// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "exact/exact_expansion.h"

namespace tamsel {

// The parameters of every x met, by a walk of its own: one line per x in
// the window's form (koeff, wurzel, abs, nenner, each after a blank or a
// minus sign, separated by TAB), then TAB, ">" and the quotient pulled out
// of it. After a closed period or at the step limit the last x has no
// quotient. Lines end in "\n".
void WritePlainTrace(std::ostream& out, const exact::ExactExpansion& expansion);

// The same as a JSON array of [koeff, wurzel, abs, nenner, k] entries.
void WriteJsonTrace(std::ostream& out, const exact::ExactExpansion& expansion);

// Every complete quotient as the number it is: (P + √D)/Q with
// D = KOEFF^2 WURZEL NENNER^2 of the reduced x and Q dividing D - P^2, or
// p/q for a rational x; one line per x, then TAB, ">" and its quotient.
void WritePlainSurdTrace(std::ostream& out, const exact::ExactExpansion& expansion);

// The same as a JSON array of [P, D, Q, k] entries (D = 0 for a rational x).
void WriteJsonSurdTrace(std::ostream& out, const exact::ExactExpansion& expansion);

}  // namespace tamsel
