// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exact_mode/approximation_output.h"

#include "cli/command_line/output_failure.h"
#include "cli/json/json_integer.h"
#include "exact/best_fractions.h"
#include "exact/surd_value.h"

namespace tamsel {

namespace {

// The best fractions always come from the regular expansion.
exact::ExactExpansion Regular(const exact::ExactExpansion& expansion) {
    return exact::ExactExpansion(expansion.Input(), exact::ExpansionAlgorithm::Regular, expansion.MaxSteps());
}

std::string FractionText(const exact::FractionPQ& f) { return f.p.get_str() + "/" + f.q.get_str(); }

void WriteJsonPair(std::ostream& out, const exact::FractionPQ& f) {
    out << '[';
    WriteJsonInteger(out, f.p);
    out << ',';
    WriteJsonInteger(out, f.q);
    out << ']';
}

}  // namespace

std::string ErrorText(const exact::ExactExpansion& expansion, const mpz_class& p, const mpz_class& q) {
    return exact::ThreeDigitMagnitude(exact::DistanceFrom(expansion.Start(), p, q));
}

void WritePlainApproximations(std::ostream& out, const exact::ExactExpansion& expansion,
                              const ApproximationRequest& request, std::uint64_t count) {
    const auto error = [&](const exact::FractionPQ& f) {
        return request.errors ? "  Fehler " + ErrorText(expansion, f.p, f.q) : std::string();
    };
    if (request.digits) {
        out << "\nDezimalstellen (abgeschnitten): x = "
            << exact::TruncatedDecimal(exact::ValueOf(expansion.Start()), *request.digits) << '\n';
    }
    if (request.semiconvergents) {
        out << "\nNäherungsbrüche und Zwischenbrüche der regulären Entwicklung:\n";
        std::uint64_t written = 0;
        exact::ListWithIntermediateFractions(Regular(expansion), count, [&](const exact::ListedFraction& entry) {
            out << "  " << FractionText(entry.fraction) << error(entry.fraction);
            if (entry.intermediate) out << (entry.best ? "  Zwischenbruch, beste Näherung 1. Art" : "  Zwischenbruch");
            out << '\n';
            if (++written % 4096 == 0) ThrowIfFailed(out);
        });
    }
    if (request.best) {
        out << "\nBeste Näherungen mit Nenner bis " << *request.best << ":\n";
        const std::optional<exact::BestApproximations> best =
            exact::FindBestApproximations(Regular(expansion), *request.best);
        if (!best) {
            out << "  unbekannt: die Schrittgrenze endet die Entwicklung vor einem größeren Nenner\n";
            return;
        }
        out << "  2. Art (letzter Näherungsbruch): " << FractionText(best->secondKind) << error(best->secondKind)
            << "\n  1. Art (nächster Bruch):         " << FractionText(best->firstKind) << error(best->firstKind)
            << '\n';
    }
}

void WriteJsonDigits(std::ostream& out, const exact::ExactExpansion& expansion, const ApproximationRequest& request) {
    if (!request.digits) {
        out << "null";
        return;
    }
    out << '"' << exact::TruncatedDecimal(exact::ValueOf(expansion.Start()), *request.digits) << '"';
}

void WriteJsonSemiconvergents(std::ostream& out, const exact::ExactExpansion& expansion,
                              const ApproximationRequest& request, std::uint64_t count) {
    out << '[';
    std::uint64_t written = 0;
    exact::ListWithIntermediateFractions(Regular(expansion), count, [&](const exact::ListedFraction& entry) {
        out << (written == 0 ? "{\"fraction\":" : ",{\"fraction\":");
        WriteJsonPair(out, entry.fraction);
        out << ",\"intermediate\":" << (entry.intermediate ? "true" : "false");
        if (entry.intermediate) {
            out << ",\"after\":" << entry.afterStep << ",\"j\":" << entry.j
                << ",\"best\":" << (entry.best ? "true" : "false");
        }
        if (request.errors) out << ",\"error\":\"" << ErrorText(expansion, entry.fraction.p, entry.fraction.q) << '"';
        out << '}';
        if (++written % 4096 == 0) ThrowIfFailed(out);
    });
    out << ']';
}

void WriteJsonBest(std::ostream& out, const exact::ExactExpansion& expansion, const ApproximationRequest& request) {
    const std::optional<exact::BestApproximations> best =
        request.best ? exact::FindBestApproximations(Regular(expansion), *request.best) : std::nullopt;
    if (!best) {
        out << "null";
        return;
    }
    out << "{\"maxDenominator\":";
    WriteJsonInteger(out, *request.best);
    out << ",\"secondKind\":";
    WriteJsonPair(out, best->secondKind);
    out << ",\"firstKind\":";
    WriteJsonPair(out, best->firstKind);
    if (request.errors) {
        out << ",\"secondKindError\":\"" << ErrorText(expansion, best->secondKind.p, best->secondKind.q)
            << "\",\"firstKindError\":\"" << ErrorText(expansion, best->firstKind.p, best->firstKind.q) << '"';
    }
    out << '}';
}

}  // namespace tamsel
