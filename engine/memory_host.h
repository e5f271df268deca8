// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/expansion_host.h"

namespace tamsel {

struct Message {
    std::string text;
    MessageIcon icon = MessageIcon::None;
    friend bool operator==(const Message&, const Message&) = default;
};

// A run's surroundings held in memory, for the command line and for every
// run without a window: the four input texts (rewritten by the write-back),
// a variant switch that stays as it is set unless changed between steps,
// and the messages the run showed.
class MemoryHost : public ExpansionHost {
public:
    MemoryHost(std::array<std::string, 4> texts, bool variantSelected)
        : inputs(std::move(texts)), variant(variantSelected) {}

    bool VariantSelected() const override { return variant; }
    std::string InputText(InputBox box) const override { return inputs[Index(box)]; }
    void SetInputText(InputBox box, const std::string& text) override { inputs[Index(box)] = text; }
    // Counts the yields; onYield, when set, sees each one's number (1 for
    // the first step) and gives the answer.
    bool Yield() override {
        ++yields;
        return onYield ? onYield(yields) : true;
    }
    void ShowMessage(const std::string& text, MessageIcon icon) override { messages.push_back({text, icon}); }

    std::array<std::string, 4> inputs;
    bool variant;
    std::vector<Message> messages;
    int yields = 0;
    std::function<bool(int)> onYield;

private:
    static std::size_t Index(InputBox box) { return static_cast<std::size_t>(box); }
};

}  // namespace tamsel
