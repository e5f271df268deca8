// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_app.h"

#include <sstream>

#include "cli/batch/batch_command.h"
#include "cli/command_line/help_text.h"
#include "cli/command_line/messages.h"
#include "cli/command_line/parse_command.h"
#include "cli/exact_mode/exact_command.h"
#include "cli/window_mode/window_command.h"

namespace tamsel {

namespace {

ExitStatus Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    const ParsedCommand parsed = ParseCommandLine(args);
    const Command& command = parsed.command;
    switch (command.special) {
        case Special::Help: out << HelpText(); return AfterWriting(out, err, ExitStatus::Done);
        case Special::Version:
            out << "tamsel-cli " << TAMSEL_VERSION << "\n";
            return AfterWriting(out, err, ExitStatus::Done);
        case Special::None: break;
    }
    if (!parsed.error.empty()) return WrongCall(err, command.mode, parsed.error);
    switch (command.mode) {
        case Mode::Window: return RunWindowMode(command, out, err);
        case Mode::Exact: return RunExactMode(command, out, err);
        case Mode::Batch: return RunBatch(command.options, in, out, err);
    }
    return ExitStatus::WrongCall;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::istringstream nothing;
    return RunCli(args, nothing, out, err);
}

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    return static_cast<int>(Run(args, in, out, err));
}

}  // namespace tamsel
