// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "cli/command_line/command.h"
#include "cli/command_line/exit_status.h"

namespace tamsel {

// tamsel-cli --exact [options] [EXPORT] KOEFF WURZEL ABS NENNER, or one
// EXPRESSION: expands exactly, in whole numbers of any size; the plain text
// of an expression starts with the x it understood ("x = (1 + √5)/2").
// Done also at the step limit; WrongCall for a number or an expression it
// cannot take (an expression's refusal with its column and a caret line).
ExitStatus RunExactMode(const Command& command, std::ostream& out, std::ostream& err);

}  // namespace tamsel
