// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/window_mode/window_command.h"

#include <optional>
#include <string>

#include "cli/command_line/messages.h"
#include "cli/export/export_output.h"
#include "cli/window_mode/run_output.h"
#include "engine/input_number.h"
#include "engine/number_text.h"
#include "notation/text_run.h"

namespace tamsel {

namespace {

// Each text is read as its input box reads it; a text of which something is
// ignored is named on the error stream, with the value read from it.
void ReportPartialReadings(const std::vector<std::string>& numbers, std::ostream& err) {
    for (const std::string& text : numbers) {
        if (IsWhollyANumber(text)) continue;
        const std::optional<double> value = ReadInputNumber(text);
        SayTo(err, "„" + text + "“ ist keine reine Zahl; gelesen wird " +
                       (value ? PlainNumberText(*value) : std::string("eine Zahl außerhalb des Zahlbereichs")));
    }
}

}  // namespace

ExitStatus RunWindowMode(const Command& command, std::ostream& out, std::ostream& err) {
    const std::vector<std::string>& numbers = command.numbers;
    const bool variant = command.options.variant;
    ReportPartialReadings(numbers, err);

    const TextRun run = RunOnTexts({numbers[0], numbers[1], numbers[2], numbers[3]}, variant);
    for (const Message& message : run.messages) SayTo(err, message.text);
    if (!ExportReplacesUsualOutput(command.exports)) {
        if (command.options.json) {
            PrintJson(run, out);
        } else {
            PrintPlain(run, out);
        }
    }
    if (ExportRequested(command.exports) && !WriteExports(command.exports, ExportOfWindowRun(run, variant), out, err)) {
        return ExitStatus::NotWritten;
    }
    return AfterWriting(out, err, run.result.end == RunEnd::Regular ? ExitStatus::Done : ExitStatus::InputRefused);
}

}  // namespace tamsel
