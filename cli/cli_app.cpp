// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_app.h"

#include <unistd.h>

#include <iostream>
#include <sstream>

#include "cli/batch/batch_command.h"
#include "cli/command_line/help_text.h"
#include "cli/command_line/messages.h"
#include "cli/command_line/parse_command.h"
#include "cli/exact_mode/exact_command.h"
#include "cli/from_mode/from_command.h"
#include "cli/pell/pell_command.h"
#include "cli/window_mode/window_command.h"

namespace tamsel {

namespace {

// Whether `stream` is the process's own `standard` stream on a terminal.
bool IsTerminal(const std::ostream& stream, const std::ostream& standard, int descriptor) {
    return &stream == &standard && isatty(descriptor) == 1;
}

// A batch answers line by line at a terminal, and shows its progress there;
// with --pell its lines hold D or D N instead of a number.
ExitStatus RunBatchMode(const Command& command, std::istream& in, std::ostream& out, std::ostream& err) {
    const ExactOptions& options = command.options;
    BatchSettings settings;
    settings.lineBuffered = options.lineBuffered || IsTerminal(out, std::cout, STDOUT_FILENO);
    settings.progress = !options.quiet && IsTerminal(err, std::cerr, STDERR_FILENO);
    settings.threads = options.threads;
    BatchLineAnswer answerLine;
    if (command.pell) {
        answerLine = [&command](std::string_view line, const BatchPlace& place, std::ostream& text) {
            return AnswerPellLine(line, place, command, text);
        };
    } else {
        answerLine = [&options](std::string_view line, const BatchPlace& place, std::ostream& text) {
            return ExpandBatchLine(line, place, options, text);
        };
    }
    return RunBatchOnFiles(answerLine, options.files, settings, in, out, err);
}

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
        case Mode::Batch: return RunBatchMode(command, in, out, err);
        case Mode::Pell: return RunPellMode(command, out, err);
        case Mode::From: return RunFromMode(command, in, out, err);
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
