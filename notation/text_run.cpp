// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/text_run.h"

#include "notation/result_notations.h"
#include "notation/text_holder.h"

namespace tamsel {

namespace {

// The notations of a run, with its trace and fractions also kept as numbers.
class RecordingNotations : public ResultNotations {
public:
    RecordingNotations(ResultViews views, const VariantFlag& variant, TextRun& run)
        : ResultNotations(views, variant), run_(run) {}

    void InputsReduced(const QuadIrrational& x) override {
        ResultNotations::InputsReduced(x);
        run_.traceRows.push_back({x, std::nullopt});
    }
    void QuotientPulled(int n, double k) override {
        ResultNotations::QuotientPulled(n, k);
        run_.traceRows.back().quotient = k;
    }
    void StepRecorded(int n, double k) override {
        ResultNotations::StepRecorded(n, k);
        run_.quotients.push_back(k);
    }
    void QuadIrrationalReached(const QuadIrrational& x) override {
        ResultNotations::QuadIrrationalReached(x);
        run_.traceRows.push_back({x, std::nullopt});
    }
    void RationalEnd() override {
        ResultNotations::RationalEnd();
        run_.rationalEnd = true;
    }
    void Closing(const std::vector<Fraction>& fractions) override {
        ResultNotations::Closing(fractions);
        run_.fractions = fractions;
    }

private:
    TextRun& run_;
};

}  // namespace

TextRun RunOnTexts(const std::array<std::string, 4>& inputs, bool variant, DrawingSurface* drawing) {
    TextRun run;
    MemoryHost host(inputs, variant);
    StringTextHolder bracketNotation, trace, fractionList;
    RecordingNotations notations({bracketNotation, trace, fractionList, drawing}, host, run);
    ExpansionEngine engine(host, notations);
    run.result = engine.RunExpansion();
    run.n = engine.State().n;
    run.inputs = host.inputs;
    run.messages = host.messages;
    run.bracketNotation = bracketNotation.Text();
    run.trace = trace.Text();
    run.fractionList = fractionList.Text();
    return run;
}

}  // namespace tamsel
