// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes a whole run from four arbitrary input texts in both algorithms.
// Input: one byte of switches, then the four texts separated by NUL bytes.
// Whatever the texts, the run must end cleanly: the bracket line opened and
// closed, the fraction list written, and a failure reported by its message.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/expansion_engine.h"
#include "engine/memory_host.h"
#include "notation/result_notations.h"
#include "notation/text_holder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::array<std::string, 4> texts;
    std::size_t field = 0;
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == 0 && field < 3) {
            ++field;
        } else {
            texts[field].push_back(static_cast<char>(data[i]));
        }
    }

    // Some inputs flip the variant switch while the run yields.
    const std::uint8_t switches = data[0];
    tamsel::MemoryHost host(texts, (switches & 1) != 0);
    host.onYield = [&host, switches](int yield) {
        if ((switches & 2) != 0 && yield % 3 == 0) host.variant = !host.variant;
        return true;
    };
    tamsel::StringTextHolder notation, trace, fractionList("unverändert");
    tamsel::ResultNotations notations({notation, trace, fractionList, nullptr}, host);
    tamsel::ExpansionEngine engine(host, notations);
    const tamsel::RunResult result = engine.RunExpansion();

    const std::string& line = notation.Text();
    if (line.rfind("x = [", 0) != 0) std::abort();
    if (line.size() < 9 || line.compare(line.size() - 4, 4, " ]\r\n") != 0) std::abort();
    if (fractionList.Text() == "unverändert") std::abort();
    const bool badInputShown = !host.messages.empty() && host.messages.back().text == tamsel::kBadInputMessage;
    if ((result.end == tamsel::RunEnd::Failed) != badInputShown) std::abort();
    if ((result.end == tamsel::RunEnd::Failed) != result.failure.has_value()) std::abort();
    if (result.end != tamsel::RunEnd::Regular && result.end != tamsel::RunEnd::Failed) std::abort();
    return 0;
}
