// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exact_mode/exact_plain.h"

#include <algorithm>
#include <string>

#include "cli/command_line/output_failure.h"
#include "cli/exact_mode/approximation_output.h"
#include "cli/exact_mode/exact_trace.h"
#include "exact/convergents.h"
#include "notation/bracket_notation.h"
#include "notation/stream_text_holder.h"

namespace tamsel {

namespace {

// Keeps the quotients and writes each into the bracket line as it comes.
struct BracketSink : exact::QuotientSink {
    BracketSink(TextHolder& bracketBox, exact::QuotientList& keptList, std::ostream& stream)
        : box(bracketBox), kept(keptList), out(stream) {}

    void Quotient(std::int64_t k) {
        kept.Append(k);
        mpz_set_si(scratch.get_mpz_t(), static_cast<long>(k));
        Write(scratch);
    }
    void Quotient(const mpz_class& k) {
        kept.Append(k);
        Write(k);
    }
    void Write(const mpz_class& k) {
        AppendQuotientToNotation(box, static_cast<int>(++step), k);
        if (step % 65536 == 0) ThrowIfFailed(out);
    }

    TextHolder& box;
    exact::QuotientList& kept;
    std::ostream& out;
    mpz_class scratch;
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
    StreamTextHolder box(out, StreamTextHolder::LineEnd::Newline);
    exact::QuotientList kept(std::max(convergents, kKeptQuotients));
    BracketSink sink(box, kept, out);

    OpenBracketNotation(box);
    const exact::WalkSummary summary = expansion.Walk(sink);
    switch (summary.end) {
        case exact::WalkEnd::Rational: DropLastNotationChar(box); break;
        case exact::WalkEnd::Period: {
            DropLastNotationChar(box);
            OpenPeriodInNotation(box);
            mpz_class scratch;
            exact::ForEachQuotient(expansion, kept, summary.periodStart, summary.steps, [&](const auto& k) {
                scratch = k;
                AppendPeriodQuotient(box, scratch);
            });
            break;
        }
        // The separator of the last step stays: the expansion goes on.
        case exact::WalkEnd::StepLimit: box.Append(" …"); break;
    }
    CloseBracketNotation(box);
    box.Flush();
    out << SummaryLine(summary) << '\n';

    if (exact::ConvergentCount(summary, convergents) > 0) {
        out << "\nApproximierende Brüche:\n";
        std::uint64_t written = 0;
        exact::ForEachConvergent(expansion, summary, kept, convergents, [&](const mpz_class& p, const mpz_class& q) {
            out << "  " << p << '/' << q;
            if (approximations.errors) out << "  Fehler " << ErrorText(expansion, p, q);
            out << '\n';
            if (++written % 4096 == 0) ThrowIfFailed(out);
        });
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
