// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/fraction_list.h"

#include "engine/number_text.h"

namespace tamsel {

std::string FractionListText(const std::vector<Fraction>& fractions) {
    std::string text;
    for (const Fraction& f : fractions) {
        text += NumberText(f.numerator);
        text += "\r\n/";
        text += NumberText(f.denominator);
        text += "\r\n\r\n";
    }
    return text;
}

void ShowFractionList(TextHolder& box, const std::vector<Fraction>& fractions) {
    box.Clear();
    box.Append(FractionListText(fractions));
}

}  // namespace tamsel
