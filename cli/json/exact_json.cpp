// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json/exact_json.h"

#include <algorithm>

#include "cli/command_line/output_failure.h"
#include "cli/exact_mode/approximation_output.h"
#include "cli/exact_mode/exact_plain.h"
#include "cli/exact_mode/exact_trace.h"
#include "cli/json/json_integer.h"
#include "cli/json/json_object.h"
#include "cli/json/json_text.h"
#include "exact/convergents.h"

namespace tamsel {

namespace {

const char* EndName(exact::WalkEnd end) {
    switch (end) {
        case exact::WalkEnd::Rational: return "rational";
        case exact::WalkEnd::Period: return "period";
        case exact::WalkEnd::StepLimit: return "step-limit";
    }
    return "";
}

void WriteQuotients(std::ostream& out, const exact::ExactExpansion& expansion, const exact::QuotientList& kept,
                    std::uint64_t first, std::uint64_t last) {
    BlockWriter block(out);
    block.Char('[');
    std::uint64_t written = 0;
    exact::ForEachQuotient(expansion, kept, first, last, [&](const auto& k) {
        if (written > 0) block.Char(',');
        WriteJsonInteger(block, k);
        if (++written % 65536 == 0 && block.Failed()) throw OutputFailed{};
    });
    block.Char(']');
}

void WriteCount(std::ostream& out, bool known, std::uint64_t count) {
    if (known) {
        out << count;
    } else {
        out << "null";
    }
}

}  // namespace

void WriteJsonInputs(std::ostream& out, const exact::ExactInput& input) {
    out << "{\"koeff\":";
    WriteJsonInteger(out, input.koeff);
    out << ",\"wurzel\":";
    WriteJsonInteger(out, input.wurzel);
    out << ",\"abs\":";
    WriteJsonInteger(out, input.abs);
    out << ",\"nenner\":";
    WriteJsonInteger(out, input.nenner);
    out << '}';
}

void WriteExactJson(std::ostream& out, const exact::ExactExpansion& expansion, const FieldSet& fields,
                    std::uint64_t convergents, const ApproximationRequest& approximations, std::uint64_t line,
                    bool surdTrace, const std::string* file) {
    const bool listsQuotients = fields.Has(ExactField::Quotients) || fields.Has(ExactField::Period);
    const bool listsConvergents = fields.Has(ExactField::Convergents) || fields.Has(ExactField::Errors);
    std::uint64_t keep = 0;
    // The fractions beyond the kept quotients walk again: memory holds the
    // current fractions, however many are asked for.
    if (listsConvergents) keep = std::min(convergents, kKeptQuotients);
    if (listsQuotients) keep = std::max(keep, kKeptQuotients);

    exact::QuotientList kept(keep);
    exact::WalkSummary summary;
    if (keep > 0) {
        exact::KeepQuotients sink(kept);
        summary = expansion.Walk(sink);
    } else {
        exact::QuotientSink nothing;
        summary = expansion.Walk(nothing);
    }
    const bool periodic = summary.end == exact::WalkEnd::Period;

    JsonObject<FieldSet, ExactField> object(out, fields, FieldKey, file);
    if (object.Key(ExactField::Line)) out << line;
    if (object.Key(ExactField::Exact)) out << "true";
    if (object.Key(ExactField::Inputs)) {
        WriteJsonInputs(out, expansion.Input());
    }
    if (object.Key(ExactField::Quotients)) {
        WriteQuotients(out, expansion, kept, 1, periodic ? summary.periodStart - 1 : summary.steps);
    }
    if (object.Key(ExactField::Period)) {
        if (periodic) {
            WriteQuotients(out, expansion, kept, summary.periodStart, summary.steps);
        } else {
            out << "null";
        }
    }
    if (object.Key(ExactField::PeriodStart)) WriteCount(out, periodic, summary.periodStart);
    if (object.Key(ExactField::PeriodLength)) WriteCount(out, periodic, summary.periodLength);
    if (object.Key(ExactField::Steps)) out << summary.steps;
    if (object.Key(ExactField::End)) out << '"' << EndName(summary.end) << '"';
    if (object.Key(ExactField::Convergents)) {
        BlockWriter block(out);
        block.Char('[');
        std::uint64_t written = 0;
        exact::ForEachConvergent(expansion, summary, kept, convergents, [&](const mpz_class& p, const mpz_class& q) {
            block.Text(written == 0 ? "[" : ",[");
            WriteJsonInteger(block, p);
            block.Char(',');
            WriteJsonInteger(block, q);
            block.Char(']');
            if (++written % 4096 == 0 && block.Failed()) throw OutputFailed{};
        });
        block.Char(']');
    }
    if (object.Key(ExactField::Errors)) {
        out << '[';
        std::uint64_t written = 0;
        exact::ForEachConvergent(expansion, summary, kept, convergents, [&](const mpz_class& p, const mpz_class& q) {
            out << (written == 0 ? "\"" : ",\"") << ErrorText(expansion, p, q) << '"';
            if (++written % 4096 == 0) ThrowIfFailed(out);
        });
        out << ']';
    }
    if (object.Key(ExactField::Semiconvergents)) WriteJsonSemiconvergents(out, expansion, approximations, convergents);
    if (object.Key(ExactField::Best)) WriteJsonBest(out, expansion, approximations);
    if (object.Key(ExactField::Digits)) WriteJsonDigits(out, expansion, approximations);
    if (object.Key(ExactField::Trace)) {
        if (surdTrace) {
            WriteJsonSurdTrace(out, expansion);
        } else {
            WriteJsonTrace(out, expansion);
        }
    }
    object.Close();
}

void WriteJsonError(std::ostream& out, std::uint64_t line, const std::string& message, const char* code,
                    const std::string* file, std::optional<std::size_t> column) {
    out << '{';
    if (file != nullptr) out << "\"file\":" << JsonString(*file) << ',';
    out << "\"line\":" << line << ",\"error\":" << JsonString(message) << ",\"code\":\"" << code << '"';
    if (column) out << ",\"column\":" << *column;
    out << "}\n";
}

}  // namespace tamsel
