// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tamsel {

// One click on a step button: the number the box's text stands for, plus or
// minus 1, written back as plain digits. A lower button with a bound steps
// only when the value lies strictly above it. Returns no value when the text
// is to stay exactly as it is.
std::optional<std::string> SteppedText(std::string_view text, int step, std::optional<double> lowerBound);

}  // namespace tamsel
