// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A run under test with everything recorded: every call the run makes on its
// host and at its output points goes into one log, in order, and the
// results are written into plain-string boxes by the real notations.

#include <array>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/expansion_engine.h"
#include "engine/memory_host.h"
#include "notation/result_notations.h"
#include "notation/text_holder.h"

namespace tamsel::test {

inline const Message kNegativeX{"Bitte x > 0 beachten", MessageIcon::Information};
inline const Message kBadInput{"Das ist keine gute Eingabe!", MessageIcon::None};

// A variant switch that stays as it is set.
struct FixedFlag : VariantFlag {
    explicit FixedFlag(bool isTicked) : ticked(isTicked) {}
    bool VariantSelected() const override { return ticked; }
    bool ticked;
};

inline std::string Num(double v) {
    std::ostringstream s;
    s.precision(17);
    s << v;
    return s.str();
}

// The entries of a call log from `from` on, separated by ", ".
inline std::string Joined(const std::vector<std::string>& log, std::size_t from = 0) {
    std::string text;
    for (std::size_t i = from; i < log.size(); ++i) text += (i > from ? ", " : "") + log[i];
    return text;
}

// The in-memory host, logging each call before it answers.
class LoggingHost : public MemoryHost {
public:
    LoggingHost(std::array<std::string, 4> texts, bool variantTicked, std::vector<std::string>& callLog)
        : MemoryHost(std::move(texts), variantTicked), log(callLog) {}

    std::string InputText(InputBox box) const override {
        log.push_back("InputText " + std::string(kBoxNames[Index(box)]));
        return MemoryHost::InputText(box);
    }
    void SetInputText(InputBox box, const std::string& text) override {
        log.push_back("SetInputText " + std::string(kBoxNames[Index(box)]) + "=" + text);
        MemoryHost::SetInputText(box, text);
    }
    bool Yield() override {
        log.push_back("Yield");
        return MemoryHost::Yield();
    }
    void ShowMessage(const std::string& text, MessageIcon icon) override {
        log.push_back("ShowMessage " + text);
        MemoryHost::ShowMessage(text, icon);
    }

private:
    static constexpr const char* kBoxNames[] = {"koeff", "wurzel", "abs", "nenner"};
    static std::size_t Index(InputBox box) { return static_cast<std::size_t>(box); }
    std::vector<std::string>& log;
};

// Logs every output point and hands it on to `inner`, if there is one.
class RecordingOutputs : public OutputPoints {
public:
    explicit RecordingOutputs(std::vector<std::string>& callLog, OutputPoints* innerPoints = nullptr)
        : log(callLog), inner(innerPoints) {}

    void RunOpening() override { Pass("RunOpening", &OutputPoints::RunOpening); }
    void RunStart() override { Pass("RunStart", &OutputPoints::RunStart); }
    void InputsReduced(const QuadIrrational& x) override { Pass("InputsReduced", &OutputPoints::InputsReduced, x); }
    void QuotientPulled(int n, double k) override {
        Pass("QuotientPulled " + std::to_string(n) + " " + Num(k), &OutputPoints::QuotientPulled, n, k);
    }
    void StepRecorded(int n, double k) override {
        quotients.push_back(k);
        Pass("StepRecorded " + std::to_string(n) + " " + Num(k), &OutputPoints::StepRecorded, n, k);
        if (afterStep) afterStep(n);
    }
    void QuadIrrationalReached(const QuadIrrational& x) override {
        Pass("QuadIrrationalReached", &OutputPoints::QuadIrrationalReached, x);
    }
    void RationalEnd() override { Pass("RationalEnd", &OutputPoints::RationalEnd); }
    void PeriodFound(std::int32_t p, int n) override {
        Pass("PeriodFound " + std::to_string(p) + " " + std::to_string(n), &OutputPoints::PeriodFound, p, n);
    }
    void PeriodQuotient(double k) override {
        periodQuotients.push_back(k);
        Pass("PeriodQuotient " + Num(k), &OutputPoints::PeriodQuotient, k);
    }
    void Closing(const std::vector<Fraction>& list) override {
        fractions = list;
        Pass("Closing", &OutputPoints::Closing, list);
    }

    std::vector<double> quotients;
    std::vector<double> periodQuotients;
    std::vector<Fraction> fractions;
    // Called after each step-recorded point has been handed on.
    std::function<void(int)> afterStep;

private:
    template <typename... Params, typename... Args>
    void Pass(const std::string& entry, void (OutputPoints::*point)(Params...), const Args&... args) {
        log.push_back(entry);
        if (inner) (inner->*point)(args...);
    }
    std::vector<std::string>& log;
    OutputPoints* inner;
};

// One run on the four texts with everything recorded; the boxes start with
// the texts of an earlier run, which the run must replace (the bracket line
// is appended to its box's text). Where a surface is given, the nested
// fraction is drawn on it.
struct RecordedRun {
    RecordedRun(std::array<std::string, 4> texts, bool variant, std::string notationBefore = "",
                DrawingSurface* drawing = nullptr)
        : host(std::move(texts), variant, log),
          notation(std::move(notationBefore)),
          trace("Spur des letzten Laufs"),
          fractionList("Brüche des letzten Laufs"),
          notations({notation, trace, fractionList, drawing}, host),
          outputs(log, &notations),
          engine(host, outputs) {}

    RunResult Run() { return engine.RunExpansion(); }

    std::vector<std::string> log;
    LoggingHost host;
    StringTextHolder notation;
    StringTextHolder trace;
    StringTextHolder fractionList;
    ResultNotations notations;
    RecordingOutputs outputs;
    ExpansionEngine engine;
};

}  // namespace tamsel::test
