// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exact_command.h"

#include <array>
#include <string_view>

#include "cli/batch_command.h"
#include "cli/cli_app.h"
#include "cli/exact_json.h"
#include "cli/exact_options.h"
#include "cli/exact_plain.h"
#include "cli/output_failure.h"
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
    err << kOutputFailedMessage << "\n";
    return 3;
}

int UsageError(const std::string& message, std::ostream& err) {
    err << "tamsel-cli: " << message << "\n"
        << "Mehr dazu: tamsel-cli --help\n";
    return 2;
}

}  // namespace

bool WantsExactMode(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--") return false;
        if (arg == "--exact" || arg == "--batch") return true;
    }
    return false;
}

int RunExactCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (HasOption(args, "--help")) {
        out << UsageText();
        return Written(out, err);
    }
    if (HasOption(args, "--version")) {
        out << "tamsel-cli " << TAMSEL_VERSION << "\n";
        return Written(out, err);
    }
    ExactOptions options;
    std::string error;
    if (!ReadExactOptions(args, options, error)) return UsageError(error, err);
    if (options.batch) return RunBatch(options, in, out, err);

    const std::array<std::string_view, 4> texts = {options.numbers[0], options.numbers[1], options.numbers[2],
                                                   options.numbers[3]};
    const std::optional<exact::ExactInput> input = ReadWholeArguments(texts, error);
    if (!input) return UsageError(error, err);

    const exact::ExactExpansion expansion(*input, options.variant, options.maxSteps);
    try {
        if (options.json) {
            WriteExactJson(out, expansion, options.Fields(), options.convergents);
        } else {
            WriteExactPlain(out, expansion, options.convergents, options.trace);
        }
    } catch (const OutputFailed&) {
    }
    return Written(out, err);
}

}  // namespace tamsel
