// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exact_mode/exact_plain.h"

#include <algorithm>
#include <string>

#include "cli/command_line/output_failure.h"
#include "cli/exact_mode/approximation_output.h"
#include "cli/exact_mode/block_writer.h"
#include "cli/exact_mode/exact_trace.h"
#include "exact/convergents.h"

namespace tamsel {

namespace {

// A quotient as the bracket line shows it: a blank or a minus, then the digits.
template <class Whole>
void WriteNotationQuotient(BlockWriter& block, const Whole& k) {
    if (k >= 0) block.Char(' ');
    block.Integer(k);
}

// Keeps the quotients and writes each into the bracket line as it comes,
// with ";" after the first and "," after every later one.
struct BracketSink : exact::QuotientSink {
    BracketSink(BlockWriter& writer, exact::QuotientList& keptList) : block(writer), kept(keptList) {}

    void Quotient(std::int64_t k) {
        kept.Append(k);
        WriteNotationQuotient(block, k);
        Separate();
    }
    void Quotient(const mpz_class& k) {
        kept.Append(k);
        WriteNotationQuotient(block, k);
        Separate();
    }
    void Separate() {
        block.Char(++step == 1 ? ';' : ',');
        if (step % 65536 == 0 && block.Failed()) throw OutputFailed{};
    }

    BlockWriter& block;
    exact::QuotientList& kept;
    std::uint64_t step = 0;
};

std::string SummaryLine(const exact::WalkSummary& summary) {
    const std::string steps = std::to_string(summary.steps) + (summary.steps == 1 ? " Schritt" : " Schritte");
    switch (summary.end) {
        case exact::WalkEnd::Period:
            return "Periodenlänge: " + std::to_string(summary.periodLength) + " (die Periode beginnt mit Schritt " +
                   std::to_string(summary.periodStart) + "; " + steps + ")";
        case exact::WalkEnd::Rational: return "Periodenlänge: 0 (x ist rational; " + steps + ")";
        case exact::WalkEnd::StepLimit:
            return "Periodenlänge: unbekannt (die Periode hat sich in " + std::to_string(summary.steps) +
                   (summary.steps == 1 ? " Schritt" : " Schritten") + " nicht geschlossen)";
    }
    return {};
}

}  // namespace

void WriteExactPlain(std::ostream& out, const exact::ExactExpansion& expansion, std::uint64_t convergents, bool trace,
                     const ApproximationRequest& approximations, bool surdTrace) {
    // The fractions beyond the kept quotients walk again, so that memory
    // holds only the current ones.
    exact::QuotientList kept(kKeptQuotients);
    {
        BlockWriter block(out);
        BracketSink sink(block, kept);
        block.Text("x = [");
        const exact::WalkSummary summary = expansion.Walk(sink);
        switch (summary.end) {
            case exact::WalkEnd::Rational: block.DropLast(); break;
            case exact::WalkEnd::Period:
                block.DropLast();
                block.Text("   Periode");
                exact::ForEachQuotient(expansion, kept, summary.periodStart, summary.steps,
                                       [&](const auto& k) { WriteNotationQuotient(block, k); });
                break;
            // The separator of the last step stays: the expansion goes on.
            case exact::WalkEnd::StepLimit: block.Text(" …"); break;
        }
        block.Text(" ]\n");
        block.Text(SummaryLine(summary));
        block.Char('\n');

        if (exact::ConvergentCount(summary, convergents) > 0) {
            block.Text("\nApproximierende Brüche:\n");
            std::uint64_t written = 0;
            exact::ForEachConvergent(expansion, summary, kept, convergents,
                                     [&](const mpz_class& p, const mpz_class& q) {
                                         block.Text("  ");
                                         block.Integer(p);
                                         block.Char('/');
                                         block.Integer(q);
                                         if (approximations.errors) {
                                             block.Text("  Fehler ");
                                             block.Text(ErrorText(expansion, p, q));
                                         }
                                         block.Char('\n');
                                         if (++written % 4096 == 0 && block.Failed()) throw OutputFailed{};
                                     });
        }
    }
    WritePlainApproximations(out, expansion, approximations, convergents);
    if (surdTrace) {
        out << "\nVollständige Quotienten:\n";
        WritePlainSurdTrace(out, expansion);
    } else if (trace) {
        out << "\nParameterfolge der quadratischen Irrationalitäten:\n";
        WritePlainTrace(out, expansion);
    }
}

}  // namespace tamsel
