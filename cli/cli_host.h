// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "engine/expansion_host.h"

namespace tamsel {

// The run's surroundings on the command line: the four input texts come from
// the arguments, messages go to an error stream, nothing yields.
class CliHost : public ExpansionHost {
public:
    CliHost(std::array<std::string, 4> inputs, bool variant, std::ostream& messageStream)
        : inputs_(std::move(inputs)), variant_(variant), messageStream_(messageStream) {}

    bool VariantSelected() const override { return variant_; }
    std::string InputText(InputBox box) const override { return inputs_[Index(box)]; }
    void SetInputText(InputBox box, const std::string& text) override { inputs_[Index(box)] = text; }
    bool Yield() override { return true; }
    void ShowMessage(const std::string& text, MessageIcon icon) override;
    void ShowTrace() override {}
    void SetTrace(const std::string& text) override { trace_ = text; }
    void AppendTrace(const std::string& text) override { trace_ += text; }
    void SetFractions(const std::string& text) override { fractions_ = text; }

    const std::array<std::string, 4>& Inputs() const { return inputs_; }
    const std::vector<std::string>& Messages() const { return messages_; }
    const std::string& Trace() const { return trace_; }
    const std::string& Fractions() const { return fractions_; }

private:
    static std::size_t Index(InputBox box) { return static_cast<std::size_t>(box); }

    std::array<std::string, 4> inputs_;
    bool variant_;
    std::ostream& messageStream_;
    std::vector<std::string> messages_;
    std::string trace_;
    std::string fractions_;
};

}  // namespace tamsel
