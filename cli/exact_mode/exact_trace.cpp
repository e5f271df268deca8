// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exact_mode/exact_trace.h"

#include <cstdint>

#include "cli/command_line/output_failure.h"
#include "cli/json/json_integer.h"
#include "engine/number_text.h"
#include "exact/trace_parameters.h"

namespace tamsel {

namespace {

// Collects each x and its quotient and hands them to a format.
template <class Format>
struct TraceSink : exact::QuotientSink {
    static constexpr bool kWantsStates = true;

    TraceSink(const exact::ExactExpansion& e, std::ostream& stream) : expansion(e), out(stream), format{stream} {}

    void State(const mpz_class& abs, const mpz_class& nenner) {
        exact::MakeTraceParameters(expansion, abs, nenner, parameters);
        format.Parameters(parameters, entries == 0);
        open = true;
        if (++entries % 4096 == 0) ThrowIfFailed(out);
    }
    void Quotient(std::int64_t k) { Quotient(mpz_class(static_cast<long>(k))); }
    void Quotient(const mpz_class& k) {
        format.Quotient(k);
        open = false;
    }
    void Finish() {
        if (open) format.NoQuotient();
    }

    const exact::ExactExpansion& expansion;
    std::ostream& out;
    Format format;
    exact::TraceParameters parameters;
    std::uint64_t entries = 0;
    bool open = false;
};

struct PlainFormat {
    std::ostream& out;
    void Parameters(const exact::TraceParameters& x, bool /*first*/) {
        out << NumberText(x.koeff) << '\t' << NumberText(x.wurzel) << '\t' << NumberText(x.abs) << '\t'
            << NumberText(x.nenner);
    }
    void Quotient(const mpz_class& k) { out << "\t>" << NumberText(k) << '\n'; }
    void NoQuotient() { out << '\n'; }
};

struct JsonFormat {
    std::ostream& out;
    void Parameters(const exact::TraceParameters& x, bool first) {
        out << (first ? "[" : ",[");
        WriteJsonInteger(out, x.koeff);
        out << ',';
        WriteJsonInteger(out, x.wurzel);
        out << ',';
        WriteJsonInteger(out, x.abs);
        out << ',';
        WriteJsonInteger(out, x.nenner);
    }
    void Quotient(const mpz_class& k) {
        out << ',';
        WriteJsonInteger(out, k);
        out << ']';
    }
    void NoQuotient() { out << ']'; }
};

template <class Format>
void WriteTrace(std::ostream& out, const exact::ExactExpansion& expansion) {
    TraceSink<Format> sink(expansion, out);
    expansion.Walk(sink);
    sink.Finish();
}

}  // namespace

void WritePlainTrace(std::ostream& out, const exact::ExactExpansion& expansion) {
    WriteTrace<PlainFormat>(out, expansion);
}

void WriteJsonTrace(std::ostream& out, const exact::ExactExpansion& expansion) {
    out << '[';
    WriteTrace<JsonFormat>(out, expansion);
    out << ']';
}

}  // namespace tamsel
