// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/exact_input.h"

namespace tamsel::exact {

InputFault FindInputFault(const ExactInput& input) {
    if (sgn(input.wurzel) < 0) return InputFault::NegativeWurzel;
    if (sgn(input.nenner) == 0) return InputFault::ZeroNenner;
    return InputFault::None;
}

}  // namespace tamsel::exact
