// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line/parse_command.h"

#include <algorithm>
#include <string>
#include <vector>

#include "cli/command_line/option_table.h"

namespace tamsel {

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Whether an argument before "--" is meant as an option: "--name" or "-x";
// "-", "-5" and "-.5" are plain arguments.
bool LooksLikeOption(const std::string& arg) {
    return arg.size() >= 2 && arg[0] == '-' && (arg[1] == '-' || IsLetter(arg[1]));
}

// The row an argument names ("--name", "--name=value", "-x"), or nullptr.
const OptionRow* RowOf(const std::string& arg) {
    if (arg.rfind("--", 0) == 0) return FindLongOption(arg.substr(0, arg.find('=')));
    return arg.size() == 2 ? FindShortOption(arg[1]) : nullptr;
}

// Why `row` is refused in `mode`.
std::string NotInMode(const OptionRow& row, Mode mode) {
    if ((row.modes & kWindowMode) != 0) return row.longName + " gilt nicht mit " + RowOfMode(mode).switchName;
    std::vector<std::string> modes;
    for (const ModeRow& allowed : ModeTable()) {
        if ((row.modes & ModeBit(allowed.mode)) != 0) modes.push_back(allowed.switchName);
    }
    // "--a", "--a oder --b", "--a, --b oder --c"
    std::string list;
    for (std::size_t i = 0; i < modes.size(); ++i) {
        list += (i == 0 ? "" : i + 1 == modes.size() ? " oder " : ", ") + modes[i];
    }
    return row.longName + " gilt nur mit " + list;
}

std::string CheckPellCombination(const Command& command) {
    const PellSettings& pell = command.pellSettings;
    if (command.options.variant) return "--variant gilt nicht mit --pell";
    if (pell.fields && (pell.norm || pell.solutions)) return "--fields gilt nicht mit --norm oder --solutions";
    if (command.mode == Mode::Batch) return "";
    if (pell.fields && pell.fields->Has(PellField::Line)) return "das Feld „line“ gibt es nur mit --batch";
    if (command.numbers.size() != 1) return "--pell erwartet genau eine Zahl D";
    return "";
}

// The checks that involve several options, after every argument is read.
std::string CheckCombination(const Command& command, const std::vector<const OptionRow*>& given) {
    const auto isGiven = [&](const std::string& name) {
        return std::any_of(given.begin(), given.end(), [&](const OptionRow* row) { return row->longName == name; });
    };
    for (const OptionRow* row : given) {
        if (!row->needs.empty() && !isGiven(row->needs)) return row->longName + " gilt nur zusammen mit " + row->needs;
    }
    const ExportOptions& exports = command.exports;
    if (exports.tex && exports.svgFile == "-") {
        return "--svg - und --tex können nicht beide auf die Standardausgabe schreiben";
    }
    const ExactOptions& options = command.options;
    if (options.variant && options.approximations.nearest) return "--variant und --nearest schließen einander aus";
    if (options.approximations.nearest && exports.svgFile) {
        return "--svg zeichnet die Entwicklung mit dem nächsten Ganzen nicht; --tex schreibt sie";
    }
    if (command.pell) return CheckPellCombination(command);
    if (command.mode != Mode::Batch) {
        if (options.json && ExportReplacesUsualOutput(exports)) {
            return "--json und eine Ausgabe von --tex oder --svg - schließen einander aus";
        }
        if (options.fields && !options.json) return "--fields gilt nur mit --json oder --batch";
        if (options.fields && options.fields->Has(ExactField::Line)) return "das Feld „line“ gibt es nur mit --batch";
        if (command.mode == Mode::From) {
            if (command.numbers.size() != 1) return "es wird genau ein Kettenbruch erwartet (in Anführungszeichen)";
        } else if (options.expression) {
            if (command.numbers.size() != 1) return "es wird genau ein Ausdruck erwartet (in Anführungszeichen)";
        } else if (command.numbers.size() != 4) {
            return command.mode == Mode::Exact ? "es werden genau vier Zahlen oder ein Ausdruck erwartet"
                                               : "es werden genau vier Zahlen erwartet";
        }
    }
    return "";
}

// Reads --help, --version and the mode switches, wherever they stand before "--".
void ReadEarlyOptions(const std::vector<std::string>& args, Command& command) {
    for (const std::string& arg : args) {
        if (arg == "--") return;
        const OptionRow* row = LooksLikeOption(arg) && arg.find('=') == std::string::npos ? RowOf(arg) : nullptr;
        if (row != nullptr && row->early) row->apply(command, "");
    }
}

}  // namespace

ParsedCommand ParseCommandLine(const std::vector<std::string>& args) {
    ParsedCommand parsed;
    Command& command = parsed.command;
    ReadEarlyOptions(args, command);
    if (command.special != Special::None) return parsed;

    std::vector<std::string> plain;
    std::vector<const OptionRow*> given;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !LooksLikeOption(arg)) {
            plain.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const OptionRow* row = RowOf(arg);
        if (row == nullptr) {
            parsed.error = "unbekannte Option " + arg;
            return parsed;
        }
        if ((row->modes & ModeBit(command.mode)) == 0) {
            parsed.error = NotInMode(*row, command.mode);
            return parsed;
        }
        const std::size_t equals = arg.find('=');
        std::string value;
        if (row->valueName.empty()) {
            if (equals != std::string::npos && row->optionalValue.empty()) {
                parsed.error = row->longName + " nimmt keinen Wert";
                return parsed;
            }
            if (equals != std::string::npos) value = arg.substr(equals + 1);
        } else if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            parsed.error = row->longName + " erwartet einen Wert";
            return parsed;
        }
        if (!row->early) parsed.error = row->apply(command, value);
        if (!parsed.error.empty()) return parsed;
        given.push_back(row);
    }
    if (command.mode == Mode::Batch) {
        command.options.files = std::move(plain);
    } else {
        command.numbers = std::move(plain);
        // A single argument to --exact is an expression.
        if (command.mode == Mode::Exact && command.numbers.size() == 1) command.options.expression = true;
    }
    parsed.error = CheckCombination(command, given);
    return parsed;
}

}  // namespace tamsel
