// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
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

// Everything a run reads from and writes to the window (or the command line
// program that stands in for it), apart from the result notations.
class ExpansionHost : public VariantFlag {
public:
    // The text of an input box; read once per box at the start of a run.
    virtual std::string InputText(InputBox box) const = 0;
    // Writes a reduced parameter back into its input box.
    virtual void SetInputText(InputBox box, const std::string& text) = 0;
    // Lets pending events run. Returns false when the program is closing:
    // the run then stops at once and writes nothing more.
    virtual bool Yield() = 0;
    // A modal message; returns when the user has closed it.
    virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;
    // The trace box: made visible, replaced, appended to.
    virtual void ShowTrace() = 0;
    virtual void SetTrace(const std::string& text) = 0;
    virtual void AppendTrace(const std::string& text) = 0;
    // The box of approximating fractions.
    virtual void SetFractions(const std::string& text) = 0;
};

// The fixed points of a run at which the result notations take its values.
class OutputPoints {
public:
    virtual ~OutputPoints() = default;
    virtual void RunOpening() {}
    virtual void RunStart() {}
    virtual void StepRecorded(int n, double k) { (void)n, (void)k; }
    virtual void RationalEnd() {}
    virtual void PeriodFound(std::int32_t periodStart, int n) { (void)periodStart, (void)n; }
    virtual void PeriodQuotient(double k) { (void)k; }
    virtual void Closing() {}
};

}  // namespace tamsel
