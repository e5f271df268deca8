// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/approximation_request.h"

#include "cli/whole_argument.h"
#include "exact/whole_number.h"

namespace tamsel {

namespace {

bool TakesValue(const std::string& name) { return name == "--best" || name == "--digits"; }

bool ReadValue(const std::string& name, const std::string& text, ApproximationRequest& request, std::string& error) {
    const std::optional<mpz_class> number = exact::ReadWholeNumber(text);
    if (name == "--best") {
        if (!number || *number < 1) {
            error = "--best erwartet einen größten Nenner von mindestens 1, nicht " + QuotedForMessage(text);
            return false;
        }
        request.best = *number;
        return true;
    }
    if (!number || *number < 0 || *number > kMostDigits) {
        error = "--digits erwartet eine ganze Zahl von 0 bis " + std::to_string(kMostDigits) + ", nicht " +
                QuotedForMessage(text);
        return false;
    }
    request.digits = mpz_get_ui(number->get_mpz_t());
    return true;
}

}  // namespace

bool IsApproximationOption(const std::string& arg) {
    const std::string name = arg.substr(0, arg.find('='));
    return TakesValue(name) || arg == "--semiconvergents" || arg == "--errors" || arg == "--nearest";
}

bool TakeApproximationOptions(std::vector<std::string>& args, ApproximationRequest& request, std::string& error) {
    std::vector<std::string> rest;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !IsApproximationOption(arg)) {
            optionsEnded = optionsEnded || arg == "--";
            rest.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (name == "--semiconvergents") {
            request.semiconvergents = true;
        } else if (name == "--errors") {
            request.errors = true;
        } else if (name == "--nearest") {
            request.nearest = true;
        } else if (equals != std::string::npos) {
            if (!ReadValue(name, arg.substr(equals + 1), request, error)) return false;
        } else if (i + 1 < args.size()) {
            if (!ReadValue(name, args[++i], request, error)) return false;
        } else {
            error = name + " erwartet einen Wert";
            return false;
        }
    }
    args = std::move(rest);
    return true;
}

}  // namespace tamsel
