// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pell_options.h"

#include "cli/exact_options.h"
#include "cli/whole_argument.h"
#include "exact/walk_summary.h"
#include "exact/whole_number.h"

namespace tamsel {

namespace {

constexpr const char* kKeys[kPellFieldCount] = {
    "line",         "d",
    "periodLength", "pell",
    "negativePell", "unit",
    "regulator",    "periodLengthOrderD",
    "pellFour",     "negativePellFour",
    "unitOrderD",   "regulatorOrderD",
};

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

std::optional<PellFields> ReadFields(const std::string& list, std::string& error) {
    PellFields fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        const std::string key = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        unsigned i = 0;
        while (i < kPellFieldCount && key != kKeys[i]) ++i;
        if (i == kPellFieldCount) {
            std::string keys;
            for (const char* k : kKeys) keys += (keys.empty() ? "" : ", ") + std::string(k);
            error = "--fields kennt mit --pell kein Feld " + QuotedForMessage(key) + " (möglich: " + keys + ")";
            return std::nullopt;
        }
        fields.Add(static_cast<PellField>(i));
        if (comma == std::string::npos) return fields;
        start = comma + 1;
    }
}

bool IsValueOption(const std::string& name) {
    return name == "--max-steps" || name == "--precision" || name == "--norm" || name == "--solutions" ||
           name == "--fields";
}

bool ReadValue(const std::string& name, const std::string& value, PellRequest& request, std::string& error) {
    std::uint64_t number = 0;
    if (name == "--max-steps") return ReadCount(name, value, 1, exact::kMostSteps, request.maxSteps, error);
    if (name == "--precision") {
        if (!ReadCount(name, value, 1, kMostPrecision, number, error)) return false;
        request.precision = static_cast<unsigned>(number);
        return true;
    }
    if (name == "--solutions") {
        if (!ReadCount(name, value, 1, kMostSolutions, number, error)) return false;
        request.solutions = number;
        return true;
    }
    if (name == "--norm") {
        request.norm = value;
        return true;
    }
    request.fields = ReadFields(value, error);
    return request.fields.has_value();
}

bool CheckCombination(const PellRequest& request, std::string& error) {
    if (request.fields && (request.norm || request.solutions)) {
        error = "--fields gilt nicht mit --norm oder --solutions";
        return false;
    }
    if (request.batch) {
        if (!request.numbers.empty()) {
            error = "--batch liest die Eingaben zeilenweise von der Standardeingabe, nicht aus den Argumenten";
            return false;
        }
        return true;
    }
    if (request.fields && request.fields->Has(PellField::Line)) {
        error = "das Feld „line“ gibt es nur mit --batch";
        return false;
    }
    if (request.numbers.size() != 1) {
        error = "--pell erwartet genau eine Zahl D";
        return false;
    }
    return true;
}

}  // namespace

const char* PellFieldKey(PellField field) { return kKeys[static_cast<unsigned>(field)]; }

PellFields PellRequest::Fields() const {
    if (fields) return *fields;
    PellFields all = PellFields::All();
    if (!batch) all.Remove(PellField::Line);
    return all;
}

bool WantsPellMode(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--") return false;
        if (arg == "--pell") return true;
    }
    return false;
}

bool ReadPellOptions(const std::vector<std::string>& args, PellRequest& request, std::string& error) {
    request.maxSteps = kDefaultMaxSteps;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.rfind("--", 0) != 0) {
            request.numbers.push_back(arg);
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
            if (!ReadValue(name, value, request, error)) return false;
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--pell") {
        } else if (arg == "--batch") {
            request.batch = true;
        } else if (arg == "--json") {
            request.json = true;
        } else if (arg == "--full") {
            request.full = true;
        } else {
            error = "unbekannte Option " + arg;
            return false;
        }
    }
    return CheckCombination(request, error);
}

}  // namespace tamsel
