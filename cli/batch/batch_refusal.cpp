// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch/batch_refusal.h"

#include <variant>

#include "cli/window_mode/run_output.h"
#include "engine/input_number.h"
#include "exact/exact_input.h"
#include "exact/whole_number.h"

namespace tamsel {

const char* RefusalOfNumbers(const std::array<std::string_view, 4>& texts) {
    std::array<mpz_class, 4> values;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::optional<mpz_class> value = exact::ReadWholeNumber(texts[i]);
        if (value) {
            values[i] = std::move(*value);
            continue;
        }
        const auto reading = ReadWholeInput(texts[i]);
        const bool fraction = std::holds_alternative<FailureReason>(reading) &&
                              std::get<FailureReason>(reading) == FailureReason::NonWholeInput;
        return fraction ? FailureName(FailureReason::NonWholeInput) : "not-a-number";
    }
    switch (exact::FindInputFault({values[0], values[1], values[2], values[3]})) {
        case exact::InputFault::NegativeWurzel: return FailureName(FailureReason::NegativeRadicand);
        case exact::InputFault::ZeroNenner: return FailureName(FailureReason::ZeroDenominator);
        case exact::InputFault::None: break;
    }
    return "";
}

}  // namespace tamsel
