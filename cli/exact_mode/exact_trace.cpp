// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exact_mode/exact_trace.h"

#include <cstdint>

#include "cli/command_line/output_failure.h"
#include "cli/json/json_integer.h"
#include "engine/number_text.h"
#include "exact/quadratic_number.h"
#include "exact/trace_parameters.h"
#include "notation/quadratic_text.h"

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

// Hands each complete quotient (p + sqrt(d)) / q and its quotient to a format.
template <class Format>
struct SurdSink : exact::QuotientSink {
    static constexpr bool kWantsStates = true;

    SurdSink(const mpz_class& root, std::ostream& stream) : d(root), out(stream), format{stream} {}

    void State(const mpz_class& p, const mpz_class& q) {
        format.Surd(p, d, q, entries == 0);
        open = true;
        if (++entries % 4096 == 0) ThrowIfFailed(out);
    }
    void Quotient(std::int64_t k) { Quotient(mpz_class(static_cast<long>(k))); }
    void Quotient(const mpz_class& k) {
        format.Quotient(k);
        open = false;
    }

    const mpz_class& d;
    std::ostream& out;
    Format format;
    std::uint64_t entries = 0;
    bool open = false;
};

struct PlainSurdFormat : PlainFormat {
    void Surd(const mpz_class& p, const mpz_class& d, const mpz_class& q, bool /*first*/) { out << SurdText(p, d, q); }
};

struct JsonSurdFormat : JsonFormat {
    void Surd(const mpz_class& p, const mpz_class& d, const mpz_class& q, bool first) {
        out << (first ? "[" : ",[");
        WriteJsonInteger(out, p);
        out << ',';
        WriteJsonInteger(out, d);
        out << ',';
        WriteJsonInteger(out, q);
    }
};

// Walks x = (k sqrt(w) + a) / n, reduced, written as (k n sqrt(w) + a n) / n^2:
// then the walk's (p + sqrt(d)) / q has d = k^2 w n^2, and n^2 divides
// d - (a n)^2, so no step widens it.
template <class Format>
void WriteSurdTrace(std::ostream& out, const exact::ExactExpansion& expansion) {
    const exact::ExactInput& typed = expansion.Input();
    const exact::QuadraticNumber x = exact::QuadraticNumber::Make(typed.koeff, typed.wurzel, typed.abs, typed.nenner);
    const mpz_class& n = x.Nenner();
    const exact::ExactInput widened{x.Koeff() * n, x.Wurzel(), x.Abs() * n, n * n};
    const exact::ExactExpansion walk(widened, expansion.Algorithm(), expansion.MaxSteps());
    const mpz_class d = x.Koeff() * x.Koeff() * x.Wurzel() * n * n;
    SurdSink<Format> sink(d, out);
    walk.Walk(sink);
    if (sink.open) sink.format.NoQuotient();
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

void WritePlainSurdTrace(std::ostream& out, const exact::ExactExpansion& expansion) {
    WriteSurdTrace<PlainSurdFormat>(out, expansion);
}

void WriteJsonSurdTrace(std::ostream& out, const exact::ExactExpansion& expansion) {
    out << '[';
    WriteSurdTrace<JsonSurdFormat>(out, expansion);
    out << ']';
}

}  // namespace tamsel
