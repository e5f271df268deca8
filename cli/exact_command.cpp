// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exact_command.h"

#include <array>
#include <string_view>

#include "cli/approximation_request.h"
#include "cli/batch_command.h"
#include "cli/exact_export.h"
#include "cli/exact_json.h"
#include "cli/exact_options.h"
#include "cli/exact_plain.h"
#include "cli/export_options.h"
#include "cli/export_output.h"
#include "cli/output_failure.h"
#include "cli/usage_text.h"
#include "cli/whole_argument.h"

namespace tamsel {

namespace {

// Whether `option` stands before "--".
bool HasOption(const std::vector<std::string>& args, const char* option) {
    for (const std::string& arg : args) {
        if (arg == "--") return false;
        if (arg == option) return true;
    }
    return false;
}

int Written(std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) return 0;
    err << kOutputNotWritten;
    return 3;
}

// A usage error: the message (when there is one), the synopsis of the mode
// and the hint to --help.
int UsageError(const std::vector<std::string>& args, const std::string& message, std::ostream& err) {
    if (!message.empty()) err << "tamsel-cli: " << message << "\n";
    err << (HasOption(args, "--batch") ? kBatchUsageLine : kExactUsageLine) << kHelpHint;
    return 2;
}

}  // namespace

bool WantsExactMode(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--") return false;
        if (arg == "--exact" || arg == "--batch" || IsApproximationOption(arg)) return true;
    }
    return false;
}

int RunExactCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err) {
    if (HasOption(arguments, "--help") || HasOption(arguments, "-h")) {
        out << HelpText();
        return Written(out, err);
    }
    if (HasOption(arguments, "--version") || HasOption(arguments, "-V")) {
        out << "tamsel-cli " << TAMSEL_VERSION << "\n";
        return Written(out, err);
    }
    std::vector<std::string> args = arguments;
    ExportOptions exports;
    if (!TakeExportOptions(args, exports, err)) return UsageError(arguments, "", err);
    ExactOptions options;
    std::string error;
    if (!ReadExactOptions(args, options, error)) return UsageError(arguments, error, err);
    if (options.batch && ExportRequested(exports)) {
        return UsageError(arguments, "--batch exportiert nichts: --svg und --tex gelten nur für eine Entwicklung", err);
    }
    if (options.approximations.nearest && exports.svgFile) {
        return UsageError(arguments, "--svg zeichnet die Entwicklung mit dem nächsten Ganzen nicht; --tex schreibt sie",
                          err);
    }
    if (options.json && ExportReplacesUsualOutput(exports)) {
        return UsageError(arguments, "--json und eine Ausgabe von --tex oder --svg - schließen einander aus", err);
    }
    if (options.batch) return RunBatch(options, in, out, err);

    const std::array<std::string_view, 4> texts = {options.numbers[0], options.numbers[1], options.numbers[2],
                                                   options.numbers[3]};
    const std::optional<exact::ExactInput> input = ReadWholeArguments(texts, error);
    if (!input) return UsageError(arguments, error, err);

    const exact::ExactExpansion expansion(*input, options.Algorithm(), options.maxSteps);
    try {
        if (!ExportReplacesUsualOutput(exports)) {
            if (options.json) {
                WriteExactJson(out, expansion, options.Fields(), options.convergents, options.approximations);
            } else {
                WriteExactPlain(out, expansion, options.convergents, options.trace, options.approximations);
            }
        }
    } catch (const OutputFailed&) {
    }
    if (ExportRequested(exports) &&
        !WriteExports(exports, ExportOfExactRun(expansion, static_cast<std::uint64_t>(exports.depth)), out, err)) {
        return 3;
    }
    return Written(out, err);
}

}  // namespace tamsel
