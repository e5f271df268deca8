// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A window stand-in for runs under test: it records every call the run makes
// on the host and at its output points in one log, in order.

#include <array>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/expansion_engine.h"
#include "engine/expansion_host.h"

namespace tamsel::test {

struct Message {
    std::string text;
    MessageIcon icon = MessageIcon::None;
    friend bool operator==(const Message&, const Message&) = default;
};

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

class FakeHost : public ExpansionHost {
public:
    FakeHost(std::array<std::string, 4> texts, bool variantTicked, std::vector<std::string>& callLog)
        : inputs(std::move(texts)), variant(variantTicked), log(callLog) {}

    bool VariantSelected() const override { return variant; }
    std::string InputText(InputBox box) const override {
        log.push_back("InputText " + std::string(kBoxNames[Index(box)]));
        return inputs[Index(box)];
    }
    void SetInputText(InputBox box, const std::string& text) override {
        log.push_back("SetInputText " + std::string(kBoxNames[Index(box)]) + "=" + text);
        inputs[Index(box)] = text;
    }
    bool Yield() override {
        log.push_back("Yield");
        ++yields;
        return onYield ? onYield(yields) : true;
    }
    void ShowMessage(const std::string& text, MessageIcon icon) override {
        log.push_back("ShowMessage " + text);
        messages.push_back({text, icon});
    }
    void ShowTrace() override {
        log.push_back("ShowTrace");
        traceVisible = true;
    }
    void SetTrace(const std::string& text) override {
        log.push_back("SetTrace");
        trace = text;
    }
    void AppendTrace(const std::string& text) override {
        log.push_back("AppendTrace");
        trace += text;
    }
    void SetFractions(const std::string& text) override {
        log.push_back("SetFractions");
        fractions = text;
    }

    std::array<std::string, 4> inputs;
    bool variant = false;
    // What the boxes showed before the run: a run must replace both.
    std::string trace = "Spur des letzten Laufs";
    std::string fractions = "Brüche des letzten Laufs";
    bool traceVisible = false;
    std::vector<Message> messages;
    int yields = 0;
    // Called at every yield with its number (1 for the first step); the
    // result is the yield's answer. Unset: always true.
    std::function<bool(int)> onYield;

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
    void StepRecorded(int n, double k) override {
        quotients.push_back(k);
        Pass("StepRecorded " + std::to_string(n) + " " + Num(k), &OutputPoints::StepRecorded, n, k);
        if (afterStep) afterStep(n);
    }
    void RationalEnd() override { Pass("RationalEnd", &OutputPoints::RationalEnd); }
    void PeriodFound(std::int32_t p, int n) override {
        Pass("PeriodFound " + std::to_string(p) + " " + std::to_string(n), &OutputPoints::PeriodFound, p, n);
    }
    void PeriodQuotient(double k) override {
        periodQuotients.push_back(k);
        Pass("PeriodQuotient " + Num(k), &OutputPoints::PeriodQuotient, k);
    }
    void Closing() override { Pass("Closing", &OutputPoints::Closing); }

    std::vector<double> quotients;
    std::vector<double> periodQuotients;
    // Called after each step-recorded point has been handed on.
    std::function<void(int)> afterStep;

private:
    template <typename... Args>
    void Pass(const std::string& entry, void (OutputPoints::*point)(Args...), Args... args) {
        log.push_back(entry);
        if (inner) (inner->*point)(args...);
    }
    std::vector<std::string>& log;
    OutputPoints* inner;
};

// One run on the four texts with everything recorded.
struct RecordedRun {
    RecordedRun(std::array<std::string, 4> texts, bool variant)
        : host(std::move(texts), variant, log), outputs(log), engine(host, outputs) {}

    RunResult Run() { return engine.RunExpansion(); }

    std::vector<std::string> log;
    FakeHost host;
    RecordingOutputs outputs;
    ExpansionEngine engine;
};

}  // namespace tamsel::test
