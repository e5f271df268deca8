// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// tamsel-cli called in-process, its streams caught.

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace tamsel::test {

struct CliOutput {
    int status;
    std::string out;
    std::string err;
};

// tamsel-cli with these arguments and `input` on its standard input.
inline CliOutput Cli(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunCli(args, in, out, err);
    return {status, out.str(), err.str()};
}

// A stream buffer that takes nothing, like a full disk.
class RefusingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

// tamsel-cli writing onto a stream that takes nothing; `out` stays empty.
inline CliOutput CliOnFullDisk(const std::vector<std::string>& args, const std::string& input = "") {
    RefusingBuffer disk;
    std::ostream out(&disk);
    std::istringstream in(input);
    std::ostringstream err;
    const int status = RunCli(args, in, out, err);
    return {status, "", err.str()};
}

}  // namespace tamsel::test
