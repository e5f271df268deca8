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
#include "notation/result_notations.h"
#include "notation/text_holder.h"

namespace {

class FuzzHost : public tamsel::ExpansionHost {
public:
    FuzzHost(std::array<std::string, 4> inputs, std::uint8_t switches)
        : inputs_(std::move(inputs)), switches_(switches) {
        variant_ = (switches_ & 1) != 0;
    }
    bool VariantSelected() const override { return variant_; }
    std::string InputText(tamsel::InputBox box) const override { return inputs_[static_cast<int>(box)]; }
    void SetInputText(tamsel::InputBox box, const std::string& text) override { inputs_[static_cast<int>(box)] = text; }
    bool Yield() override {
        // Some inputs flip the variant switch while the run yields.
        if ((switches_ & 2) != 0 && ++yields_ % 3 == 0) variant_ = !variant_;
        return true;
    }
    void ShowMessage(const std::string& text, tamsel::MessageIcon) override { lastMessage = text; }
    void ShowTrace() override {}
    void SetTrace(const std::string&) override {}
    void AppendTrace(const std::string&) override {}
    void SetFractions(const std::string& text) override {
        fractions = text;
        fractionsSet = true;
    }

    std::string lastMessage;
    std::string fractions;
    bool fractionsSet = false;

private:
    std::array<std::string, 4> inputs_;
    std::uint8_t switches_;
    bool variant_ = false;
    int yields_ = 0;
};

}  // namespace

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

    FuzzHost host(texts, data[0]);
    tamsel::StringTextHolder notation;
    tamsel::ResultNotations notations(notation, nullptr, host);
    tamsel::ExpansionEngine engine(host, notations);
    const tamsel::RunResult result = engine.RunExpansion();

    const std::string& line = notation.Text();
    if (line.rfind("x = [", 0) != 0) std::abort();
    if (line.size() < 9 || line.compare(line.size() - 4, 4, " ]\r\n") != 0) std::abort();
    if (!host.fractionsSet) std::abort();
    if ((result.end == tamsel::RunEnd::Failed) != (host.lastMessage == tamsel::kBadInputMessage)) std::abort();
    if (result.end != tamsel::RunEnd::Regular && result.end != tamsel::RunEnd::Failed) std::abort();
    return 0;
}
