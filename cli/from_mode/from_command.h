// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "cli/command_line/command.h"
#include "cli/command_line/exit_status.h"
#include "exact/expansion_value.h"

namespace tamsel {

// The way back: a continued fraction, how to read it, how to answer.
struct FromRequest {
    std::string text;
    exact::ExpansionAlgorithm algorithm = exact::ExpansionAlgorithm::Regular;
    bool json = false;
};

// The value of a continued fraction: plain, the four numbers KOEFF WURZEL
// ABS NENNER on one line and "x = " with the value written out; with json
// one object {"algorithm", "inputs", "value"}. A refused list gets its
// reason, its column and a caret line on `err` and WrongCall.
ExitStatus RunFrom(const FromRequest& request, std::ostream& out, std::ostream& err);

// tamsel-cli --from KETTENBRUCH [--variant | --nearest] [--json]; with
// KETTENBRUCH "-" the continued fraction is the whole standard input, for a
// line longer than an argument may be.
ExitStatus RunFromMode(const Command& command, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace tamsel
