// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_app.h"

#include <optional>
#include <sstream>

#include "cli/exact_command.h"
#include "cli/export_options.h"
#include "cli/export_output.h"
#include "cli/from_command.h"
#include "cli/output_failure.h"
#include "cli/run_output.h"
#include "cli/usage_text.h"
#include "engine/input_number.h"
#include "engine/number_text.h"
#include "notation/text_run.h"

namespace tamsel {

namespace {

struct Options {
    bool variant = false;
    bool json = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> numbers;
};

// Options are the known options before "--"; everything else, negative
// numbers included, is one of the four number texts.
bool ParseOptions(const std::vector<std::string>& args, Options& options, std::ostream& err) {
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && (arg == "-h" || arg == "-V")) {
            (arg == "-h" ? options.help : options.version) = true;
        } else if (!optionsEnded && arg.rfind("--", 0) == 0) {
            if (arg == "--") {
                optionsEnded = true;
            } else if (arg == "--variant") {
                options.variant = true;
            } else if (arg == "--json") {
                options.json = true;
            } else if (arg == "--help") {
                options.help = true;
            } else if (arg == "--version") {
                options.version = true;
            } else {
                err << "tamsel-cli: unbekannte Option " << arg << "\n";
                return false;
            }
        } else {
            options.numbers.push_back(arg);
        }
    }
    if (options.help || options.version) return true;
    if (options.numbers.size() != 4) {
        err << "tamsel-cli: es werden genau vier Zahlen erwartet\n";
        return false;
    }
    return true;
}

// Each text is read as its input box reads it; a text of which something is
// ignored is named on the error stream, with the value read from it.
void ReportPartialReadings(const std::vector<std::string>& numbers, std::ostream& err) {
    for (const std::string& text : numbers) {
        if (IsWhollyANumber(text)) continue;
        const std::optional<double> value = ReadInputNumber(text);
        err << "tamsel-cli: „" << text << "“ ist keine reine Zahl; gelesen wird "
            << (value ? PlainNumberText(*value) : std::string("eine Zahl außerhalb des Zahlbereichs")) << "\n";
    }
}

// The status of a run whose results went to `out`: 3 when they could not be
// written.
int Written(std::ostream& out, std::ostream& err, int status) {
    out.flush();
    if (out) return status;
    err << kOutputNotWritten;
    return 3;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::istringstream nothing;
    return RunCli(args, nothing, out, err);
}

int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err) {
    if (WantsFromMode(arguments)) return RunFromCli(arguments, out, err);
    if (WantsExactMode(arguments)) return RunExactCli(arguments, in, out, err);
    std::vector<std::string> args = arguments;
    ExportOptions exports;
    Options options;
    if (!TakeExportOptions(args, exports, err) || !ParseOptions(args, options, err)) {
        err << kWindowUsageLine << kHelpHint;
        return 2;
    }
    if (options.json && ExportReplacesUsualOutput(exports)) {
        err << "tamsel-cli: --json und eine Ausgabe von --tex oder --svg - schließen einander aus\n"
            << kWindowUsageLine << kHelpHint;
        return 2;
    }
    if (options.help) {
        out << HelpText();
        return Written(out, err, 0);
    }
    if (options.version) {
        out << "tamsel-cli " << TAMSEL_VERSION << "\n";
        return Written(out, err, 0);
    }
    ReportPartialReadings(options.numbers, err);

    const TextRun run =
        RunOnTexts({options.numbers[0], options.numbers[1], options.numbers[2], options.numbers[3]}, options.variant);
    for (const Message& message : run.messages) err << message.text << "\n";
    if (!ExportReplacesUsualOutput(exports)) {
        if (options.json) {
            PrintJson(run, out);
        } else {
            PrintPlain(run, out);
        }
    }
    if (ExportRequested(exports) && !WriteExports(exports, ExportOfWindowRun(run, options.variant), out, err)) {
        return 3;
    }
    return Written(out, err, run.result.end == RunEnd::Regular ? 0 : 1);
}

}  // namespace tamsel
