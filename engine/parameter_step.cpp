// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/parameter_step.h"

#include "engine/input_number.h"
#include "engine/number_text.h"

namespace tamsel {

std::optional<std::string> SteppedText(std::string_view text, int step, std::optional<double> lowerBound) {
    const std::optional<double> value = ReadInputNumber(text);
    if (!value) return std::nullopt;  // beyond the double range: leave the text alone
    if (lowerBound && !(*value > *lowerBound)) return std::nullopt;
    return PlainNumberText(*value + step);
}

}  // namespace tamsel
