// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/window_mode/run_output.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "cli/json/json_text.h"
#include "engine/number_text.h"

namespace tamsel {

namespace {

using TableRow = std::array<std::string, 5>;

// The trace as a right-aligned table: koeff, wurzel, abs, nenner and the
// integer pulled out of each quadratic irrational.
void PrintTraceTable(const std::vector<TraceRow>& trace, std::ostream& out) {
    std::vector<TableRow> rows{{"koeff", "wurzel", "abs", "nenner", "k"}};
    for (const TraceRow& row : trace) {
        rows.push_back({PlainNumberText(row.x.koeff), PlainNumberText(row.x.wurzel), PlainNumberText(row.x.abs),
                        PlainNumberText(row.x.nenner), row.quotient ? PlainNumberText(*row.quotient) : ""});
    }
    std::array<std::size_t, 5> widths{};
    for (const TableRow& row : rows) {
        for (std::size_t i = 0; i < 5; ++i) widths[i] = std::max(widths[i], row[i].size());
    }
    for (const TableRow& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < 5; ++i) line += std::string(widths[i] - row[i].size() + 2, ' ') + row[i];
        out << line.substr(0, line.find_last_not_of(' ') + 1) << "\n";
    }
}

}  // namespace

void PrintPlain(const TextRun& run, std::ostream& out) {
    const std::string& line = run.bracketNotation;
    out << line.substr(0, line.size() - std::min<std::size_t>(line.size(), 2)) << "\n\n";
    out << "Parameterfolge der quadratischen Irrationalitäten:\n";
    PrintTraceTable(run.traceRows, out);
    out << "\nApproximierende Brüche:\n";
    for (const Fraction& f : run.fractions) out << "  " << f.numerator << "/" << f.denominator << "\n";
}

void PrintJson(const TextRun& run, std::ostream& out) {
    const auto& inputs = run.inputs;
    out << "{\"notation\":" << JsonString(run.bracketNotation) << ",\"trace\":" << JsonString(run.trace)
        << ",\"fractions\":" << JsonString(run.fractionList) << ",\"inputs\":{\"koeff\":" << JsonString(inputs[0])
        << ",\"wurzel\":" << JsonString(inputs[1]) << ",\"abs\":" << JsonString(inputs[2])
        << ",\"nenner\":" << JsonString(inputs[3]) << "},\"messages\":[";
    for (std::size_t i = 0; i < run.messages.size(); ++i) out << (i ? "," : "") << JsonString(run.messages[i].text);
    out << "],\"n\":" << run.n << ",\"periodStart\":";
    if (run.result.periodStart) {
        out << *run.result.periodStart;
    } else {
        out << "null";
    }
    out << ",\"failure\":";
    if (run.result.failure) {
        out << JsonString(FailureName(*run.result.failure));
    } else {
        out << "null";
    }
    out << "}\n";
}

const char* FailureName(FailureReason reason) {
    switch (reason) {
        case FailureReason::UnreadableInput: return "unreadable-input";
        case FailureReason::NonWholeInput: return "non-whole-input";
        case FailureReason::InexactInput: return "inexact-input";
        case FailureReason::NegativeX: return "negative-x";
        case FailureReason::NegativeRadicand: return "negative-radicand";
        case FailureReason::ZeroDenominator: return "zero-denominator";
        case FailureReason::Int32Overflow: return "int32-overflow";
        case FailureReason::BeyondTwoToThe53: return "beyond-2^53";
        case FailureReason::StepLimit: return "step-limit";
        case FailureReason::NotationEmptied: return "notation-emptied";
    }
    return "unknown";
}

}  // namespace tamsel
