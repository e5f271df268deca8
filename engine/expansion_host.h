// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tamsel {

// The state of the variant switch (ticked: the next larger integer is pulled
// out at every step). Read anew wherever a rule depends on it, so a change
// while a run yields takes effect at the next reading.
class VariantFlag {
public:
    virtual ~VariantFlag() = default;
    virtual bool VariantSelected() const = 0;
};

enum class InputBox { Koeff, Wurzel, Abs, Nenner };
enum class MessageIcon { None, Information };

// What a run needs from its surroundings (the window, or whatever stands in
// for it): the input texts, the variant switch, a pass of the event loop per
// step, modal messages, and the write-back of the reduced parameters.
class ExpansionHost : public VariantFlag {
public:
    // The text of an input box; read once per box at the start of a run.
    virtual std::string InputText(InputBox box) const = 0;
    // Writes a reduced parameter back into its input box.
    virtual void SetInputText(InputBox box, const std::string& text) = 0;
    // Lets pending events run. Returns false when the program is ending:
    // the run then stops at once and writes nothing more.
    virtual bool Yield() = 0;
    // A modal message; returns when the user has closed it.
    virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;
};

}  // namespace tamsel
