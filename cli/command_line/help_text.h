// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "cli/command_line/command.h"

namespace tamsel {

// The synopsis of one mode, from the option table, after `lead` ("Aufruf: ")
// and wrapped under the program name; ends in a line end.
std::string UsageLine(Mode mode, const std::string& lead);

// The whole text of --help, from the option table, defaults included.
std::string HelpText();

}  // namespace tamsel
