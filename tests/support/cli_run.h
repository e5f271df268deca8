// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// tamsel-cli called in-process, its streams caught.

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace tamsel::test {

struct CliOutput {
    int status;
    std::string out;
    std::string err;
};

inline CliOutput Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace tamsel::test
