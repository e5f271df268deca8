// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exact_mode/whole_argument.h"

#include "cli/command_line/messages.h"
#include "exact/whole_number.h"

namespace tamsel {

std::optional<exact::ExactInput> ReadWholeArguments(const std::array<std::string_view, 4>& texts, std::string& error) {
    std::array<mpz_class, 4> values;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::optional<mpz_class> value = exact::ReadWholeNumber(texts[i]);
        if (!value) {
            error = std::string(kWholeArgumentNames[i]) + " ist keine ganze Zahl: " + QuotedForMessage(texts[i]);
            return std::nullopt;
        }
        values[i] = std::move(*value);
    }
    exact::ExactInput input{values[0], values[1], values[2], values[3]};
    switch (exact::FindInputFault(input)) {
        case exact::InputFault::NegativeWurzel: error = "WURZEL darf nicht negativ sein"; return std::nullopt;
        case exact::InputFault::ZeroNenner: error = "NENNER darf nicht 0 sein"; return std::nullopt;
        case exact::InputFault::None: break;
    }
    return input;
}

}  // namespace tamsel
