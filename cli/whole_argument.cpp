// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/whole_argument.h"

#include "exact/whole_number.h"

namespace tamsel {

namespace {

constexpr std::size_t kLongestQuote = 40;

}  // namespace

std::string QuotedForMessage(std::string_view text) {
    if (text.size() <= kLongestQuote) return "„" + std::string(text) + "“";
    // Cut at a character boundary of UTF-8.
    std::size_t cut = kLongestQuote;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return "„" + std::string(text.substr(0, cut)) + "…“";
}

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
