// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "cli/command_line/command.h"
#include "cli/command_line/exit_status.h"

namespace tamsel {

// Writes one message of tamsel-cli: "tamsel-cli: ", the text, a line end.
// Every message of the program goes through here.
void SayTo(std::ostream& err, std::string_view message);

// A text as a message quotes it: in German quotation marks, shortened when long.
std::string QuotedForMessage(std::string_view text);

// A wrong call: the message, the usage line of `mode` and the hint to
// --help; gives ExitStatus::WrongCall.
ExitStatus WrongCall(std::ostream& err, Mode mode, std::string_view message);

}  // namespace tamsel
