// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "exact/exact_input.h"

namespace tamsel {

// The names of the four numbers, as the usage text writes them.
inline constexpr std::array<const char*, 4> kWholeArgumentNames = {"KOEFF", "WURZEL", "ABS", "NENNER"};

// Reads KOEFF, WURZEL, ABS and NENNER as whole numbers of any size and
// checks that x is defined. On a fault gives no value and sets `error` to a
// German message that names the argument, without program name or line end.
std::optional<exact::ExactInput> ReadWholeArguments(const std::array<std::string_view, 4>& texts, std::string& error);

}  // namespace tamsel
