// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the exact mode from arbitrary bytes. The first byte picks the
// options; then either four argument texts separated by NUL bytes (one
// expansion, as JSON or plain text) or the lines of a batch. Whatever the
// bytes, tamsel-cli must answer with a result or a usage error, never crash,
// and a batch writes one line for each input line it does not skip.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace {

std::size_t Count(const std::string& text, char c) {
    std::size_t n = 0;
    for (const char x : text) n += x == c;
    return n;
}

// The lines a batch answers: all but those that hold nothing but blanks
// before a #.
std::size_t AnsweredLines(const std::string& input) {
    std::size_t answered = 0;
    std::istringstream lines(input);
    for (std::string line; std::getline(lines, line);) {
        line = line.substr(0, line.find('#'));
        if (line.find_first_not_of(" \t\r\v\f") != std::string::npos) ++answered;
    }
    return answered;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t switches = data[0];
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::vector<std::string> args{(switches & 1) ? "--batch" : "--exact", "--max-steps", "300"};
    if (switches & 2) args.push_back("--variant");
    if (switches & 4) args.push_back("--trace");
    if ((switches & 8) && !(switches & 1)) args.push_back("--json");

    std::istringstream in;
    std::ostringstream out, err;
    if (switches & 1) {
        args.insert(args.end(), {"--threads", "2"});
        in.str(rest);
        const int status = tamsel::RunCli(args, in, out, err);
        if (status != 0 && status != 1) std::abort();
        if (Count(out.str(), '\n') != AnsweredLines(rest)) std::abort();
        return 0;
    }
    args.push_back("--");
    std::string text;
    for (const char c : rest) {
        if (c == '\0') {
            args.push_back(text);
            text.clear();
        } else {
            text.push_back(c);
        }
    }
    args.push_back(text);
    const int status = tamsel::RunCli(args, in, out, err);
    if (status != 0 && status != 2) std::abort();
    if (status == 2 && !out.str().empty()) std::abort();
    if (status == 0 && (out.str().empty() || out.str().back() != '\n')) std::abort();
    return 0;
}
