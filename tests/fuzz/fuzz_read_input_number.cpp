// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the reading of an input box's text: it must never crash, and a
// value it gives must be finite and read back the same from its own text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/input_number.h"
#include "engine/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = tamsel::ReadInputNumber(text);
    if (!value) return 0;
    if (!std::isfinite(*value)) std::abort();
    const std::optional<double> again = tamsel::ReadInputNumber(tamsel::PlainNumberText(*value));
    if (!again || *again != *value) std::abort();
    return 0;
}
