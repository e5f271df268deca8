// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exact_mode/exact_command.h"

#include <array>
#include <string_view>

#include "cli/command_line/messages.h"
#include "cli/command_line/output_failure.h"
#include "cli/exact_mode/exact_plain.h"
#include "cli/exact_mode/expression_argument.h"
#include "cli/exact_mode/whole_argument.h"
#include "cli/export/exact_export.h"
#include "cli/export/export_output.h"
#include "cli/json/exact_json.h"
#include "notation/quadratic_text.h"

namespace tamsel {

ExitStatus RunExactMode(const Command& command, std::ostream& out, std::ostream& err) {
    const ExactOptions& options = command.options;
    const ExportOptions& exports = command.exports;
    std::optional<exact::ExactInput> input;
    if (options.expression) {
        input = ReadExpressionArgument(command.numbers[0], err);
        if (!input) return ExitStatus::WrongCall;
    } else {
        const std::array<std::string_view, 4> texts = {command.numbers[0], command.numbers[1], command.numbers[2],
                                                       command.numbers[3]};
        std::string error;
        input = ReadWholeArguments(texts, error);
        if (!input) return WrongCall(err, Mode::Exact, error);
    }

    const exact::ExactExpansion expansion(*input, options.Algorithm(), options.maxSteps);
    try {
        if (!ExportReplacesUsualOutput(exports)) {
            if (options.json) {
                WriteExactJson(out, expansion, options.Fields(), options.convergents, options.approximations, 0,
                               options.surdTrace);
            } else {
                if (options.expression) out << "x = " << QuadraticText(*input) << '\n';
                WriteExactPlain(out, expansion, options.convergents, options.trace, options.approximations,
                                options.surdTrace);
            }
        }
    } catch (const OutputFailed&) {
    }
    if (ExportRequested(exports) &&
        !WriteExports(exports, ExportOfExactRun(expansion, static_cast<std::uint64_t>(exports.depth)), out, err)) {
        return ExitStatus::NotWritten;
    }
    return AfterWriting(out, err, ExitStatus::Done);
}

}  // namespace tamsel
