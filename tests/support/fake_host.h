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

inline std::string Num(double v) {
    std::ostringstream s;
    s.precision(17);
    s << v;
    return s.str();
}

// The entries of a call log, separated by ", ".
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
        ++yields;
        log.push_back("Yield");
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

    void RunOpening() override {
        log.push_back("RunOpening");
        if (inner) inner->RunOpening();
    }
    void RunStart() override {
        log.push_back("RunStart");
        if (inner) inner->RunStart();
    }
    void StepRecorded(int n, double k) override {
        log.push_back("StepRecorded " + std::to_string(n) + " " + Num(k));
        quotients.push_back(k);
        if (inner) inner->StepRecorded(n, k);
        if (afterStep) afterStep(n);
    }
    void RationalEnd() override {
        log.push_back("RationalEnd");
        if (inner) inner->RationalEnd();
    }
    void PeriodFound(std::int32_t periodStart, int n) override {
        log.push_back("PeriodFound " + std::to_string(periodStart) + " " + std::to_string(n));
        if (inner) inner->PeriodFound(periodStart, n);
    }
    void PeriodQuotient(double k) override {
        log.push_back("PeriodQuotient " + Num(k));
        periodQuotients.push_back(k);
        if (inner) inner->PeriodQuotient(k);
    }
    void Closing() override {
        log.push_back("Closing");
        if (inner) inner->Closing();
    }

    std::vector<double> quotients;
    std::vector<double> periodQuotients;
    // Called after each step-recorded point has been handed on.
    std::function<void(int)> afterStep;

private:
    std::vector<std::string>& log;
    OutputPoints* inner;
};

// One run on the four texts with everything recorded.
struct RecordedRun {
    RecordedRun(std::array<std::string, 4> texts, bool variant, OutputPoints* inner = nullptr)
        : host(std::move(texts), variant, log), outputs(log, inner), engine(host, outputs) {}

    RunResult Run() { return engine.RunExpansion(); }

    std::vector<std::string> log;
    FakeHost host;
    RecordingOutputs outputs;
    ExpansionEngine engine;
};

}  // namespace tamsel::test
