// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exact_options.h"

#include "cli/whole_argument.h"
#include "exact/walk_summary.h"
#include "exact/whole_number.h"

namespace tamsel {

namespace {

// The value of a numeric option: a whole number from `least` to `most`.
bool ReadCount(const std::string& option, const std::string& text, std::uint64_t least, std::uint64_t most,
               std::uint64_t& value, std::string& error) {
    const std::optional<mpz_class> number = exact::ReadWholeNumber(text);
    if (!number || *number < least || *number > most) {
        error = option + " erwartet eine ganze Zahl von " + std::to_string(least) + " bis " + std::to_string(most) +
                ", nicht " + QuotedForMessage(text);
        return false;
    }
    value = mpz_get_ui(number->get_mpz_t());
    return true;
}

// The options that take a value, as "--name VALUE" or "--name=VALUE".
bool IsValueOption(const std::string& name) {
    return name == "--max-steps" || name == "--convergents" || name == "--fields" || name == "--threads";
}

bool ReadValue(const std::string& name, const std::string& value, ExactOptions& options, std::string& error) {
    if (name == "--max-steps") return ReadCount(name, value, 1, exact::kMostSteps, options.maxSteps, error);
    if (name == "--convergents") return ReadCount(name, value, 0, exact::kMostSteps, options.convergents, error);
    if (name == "--threads") {
        std::uint64_t threads = 0;
        if (!ReadCount(name, value, 1, kMostThreads, threads, error)) return false;
        options.threads = static_cast<unsigned>(threads);
        return true;
    }
    options.fields = ReadFieldList(value, error);
    return options.fields.has_value();
}

bool CheckCombination(const ExactOptions& options, bool threadsGiven, std::string& error) {
    if (options.variant && options.approximations.nearest) {
        error = "--variant und --nearest schließen einander aus";
        return false;
    }
    if (options.batch) {
        if (!options.numbers.empty()) {
            error = "--batch liest die Eingaben zeilenweise von der Standardeingabe, nicht aus den Argumenten";
            return false;
        }
        return true;
    }
    if (threadsGiven) {
        error = "--threads gilt nur mit --batch";
        return false;
    }
    if (options.fields && !options.json) {
        error = "--fields gilt nur mit --json oder --batch";
        return false;
    }
    if (options.fields && options.fields->Has(ExactField::Line)) {
        error = "das Feld „line“ gibt es nur mit --batch";
        return false;
    }
    if (options.numbers.size() != 4) {
        error = "es werden genau vier Zahlen erwartet";
        return false;
    }
    return true;
}

}  // namespace

FieldSet ExactOptions::Fields() const {
    if (fields) return *fields;
    FieldSet set = FieldSet::Default(trace);
    if (approximations.errors) set.Add(ExactField::Errors);
    if (approximations.semiconvergents) set.Add(ExactField::Semiconvergents);
    if (approximations.best) set.Add(ExactField::Best);
    if (approximations.digits) set.Add(ExactField::Digits);
    return set;
}

exact::ExpansionAlgorithm ExactOptions::Algorithm() const {
    if (approximations.nearest) return exact::ExpansionAlgorithm::Nearest;
    return variant ? exact::ExpansionAlgorithm::Variant : exact::ExpansionAlgorithm::Regular;
}

bool ReadExactOptions(const std::vector<std::string>& arguments, ExactOptions& options, std::string& error) {
    std::vector<std::string> args = arguments;
    if (!TakeApproximationOptions(args, options.approximations, error)) return false;
    bool optionsEnded = false;
    bool threadsGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.rfind("--", 0) != 0) {
            options.numbers.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (IsValueOption(name)) {
            std::string value;
            if (equals != std::string::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                error = name + " erwartet einen Wert";
                return false;
            }
            if (!ReadValue(name, value, options, error)) return false;
            threadsGiven = threadsGiven || name == "--threads";
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--exact") {
        } else if (arg == "--batch") {
            options.batch = true;
        } else if (arg == "--variant") {
            options.variant = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--trace") {
            options.trace = true;
        } else {
            error = "unbekannte Option " + arg;
            return false;
        }
    }
    return CheckCombination(options, threadsGiven, error);
}

}  // namespace tamsel
