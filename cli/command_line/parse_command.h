// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "cli/command_line/command.h"

namespace tamsel {

// The arguments read into a command, or why they do not make one.
struct ParsedCommand {
    Command command;    // its mode is known even when `error` is set
    std::string error;  // German, no program name, no line end; empty when the call is right
};

// Reads the arguments of tamsel-cli (without the program name) by the
// option table. --help and --version before "--" win over everything else
// on the line. An argument that starts with "-" and a letter is an option
// and must be one of the table, allowed in the mode; "-5" and everything
// after "--" are plain arguments: the four numbers, or the files of --batch.
ParsedCommand ParseCommandLine(const std::vector<std::string>& args);

}  // namespace tamsel
