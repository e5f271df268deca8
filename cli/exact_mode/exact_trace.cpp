// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exact_mode/exact_trace.h"

#include <cstdint>
#include <utility>

#include "cli/command_line/output_failure.h"
#include "cli/json/json_integer.h"
#include "engine/number_text.h"
#include "exact/quadratic_number.h"
#include "exact/trace_parameters.h"
#include "notation/quadratic_text.h"

namespace tamsel {

namespace {

// Hands each state of a walk, as `describe` gives it to the format, and the
// quotient pulled out of it to a format.
template <class Format, class Describe>
struct TraceSink : exact::QuotientSink {
    static constexpr bool kWantsStates = true;

    TraceSink(std::ostream& stream, Describe d) : out(stream), format{stream}, describe(std::move(d)) {}

    void State(const mpz_class& p, const mpz_class& q) {
        describe(format, p, q, entries == 0);
        open = true;
        if (++entries % 4096 == 0) ThrowIfFailed(out);
    }
    void Quotient(std::int64_t k) { Quotient(mpz_class(static_cast<long>(k))); }
    void Quotient(const mpz_class& k) {
        format.Quotient(k);
        open = false;
    }

    std::ostream& out;
    Format format;
    Describe describe;
    std::uint64_t entries = 0;
    bool open = false;
};

// Walks `walk` into `out`; after a closed period or at the step limit the
// last state has no quotient. JSON wraps the entries in an array.
template <class Format, class Describe>
void WalkInto(std::ostream& out, const exact::ExactExpansion& walk, Describe describe) {
    if constexpr (Format::kJson) out << '[';
    TraceSink<Format, Describe> sink(out, std::move(describe));
    walk.Walk(sink);
    if (sink.open) sink.format.NoQuotient();
    if constexpr (Format::kJson) out << ']';
}

struct PlainFormat {
    static constexpr bool kJson = false;
    std::ostream& out;
    void Parameters(const exact::TraceParameters& x, bool /*first*/) {
        out << NumberText(x.koeff) << '\t' << NumberText(x.wurzel) << '\t' << NumberText(x.abs) << '\t'
            << NumberText(x.nenner);
    }
    void Quotient(const mpz_class& k) { out << "\t>" << NumberText(k) << '\n'; }
    void NoQuotient() { out << '\n'; }
};

struct JsonFormat {
    static constexpr bool kJson = true;
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

// The window's parameters of every x.
template <class Format>
void WriteTrace(std::ostream& out, const exact::ExactExpansion& expansion) {
    exact::TraceParameters parameters;
    WalkInto<Format>(out, expansion, [&](Format& format, const mpz_class& abs, const mpz_class& nenner, bool first) {
        exact::MakeTraceParameters(expansion, abs, nenner, parameters);
        format.Parameters(parameters, first);
    });
}

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
    WalkInto<Format>(out, walk, [&d](Format& format, const mpz_class& p, const mpz_class& q, bool first) {
        format.Surd(p, d, q, first);
    });
}

}  // namespace

void WritePlainTrace(std::ostream& out, const exact::ExactExpansion& expansion) {
    WriteTrace<PlainFormat>(out, expansion);
}

void WriteJsonTrace(std::ostream& out, const exact::ExactExpansion& expansion) {
    WriteTrace<JsonFormat>(out, expansion);
}

void WritePlainSurdTrace(std::ostream& out, const exact::ExactExpansion& expansion) {
    WriteSurdTrace<PlainSurdFormat>(out, expansion);
}

void WriteJsonSurdTrace(std::ostream& out, const exact::ExactExpansion& expansion) {
    WriteSurdTrace<JsonSurdFormat>(out, expansion);
}

}  // namespace tamsel
