// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/expansion_value.h"

#include <optional>

namespace tamsel::exact {

namespace {

// y -> (a y + b) / (c y + d).
struct Moebius {
    mpz_class a = 1, b = 0, c = 0, d = 1;
};

// First `outer`, then `inner`: y -> outer(inner(y)).
Moebius Compose(const Moebius& outer, const Moebius& inner) {
    return {outer.a * inner.a + outer.b * inner.c, outer.a * inner.b + outer.b * inner.d,
            outer.c * inner.a + outer.d * inner.c, outer.c * inner.b + outer.d * inner.d};
}

// The list as one sequence: the quotients before the period, then the period.
class Quotients {
public:
    explicit Quotients(const WrittenExpansion& w) : w_(w) {}
    std::size_t Size() const { return w_.head.size() + w_.period.size(); }
    const mpz_class& operator[](std::size_t i) const {
        return i < w_.head.size() ? w_.head[i] : w_.period[i - w_.head.size()];
    }
    std::size_t Column(std::size_t i) const {
        return i < w_.head.size() ? w_.headColumns[i] : w_.periodColumns[i - w_.head.size()];
    }
    // The quotient after i, running round the period; none after a finite list.
    std::optional<std::size_t> Next(std::size_t i) const {
        if (i + 1 < Size()) return i + 1;
        if (w_.period.empty()) return std::nullopt;
        return w_.head.size();
    }
    // A quotient after the first: every one but the first of the list, and
    // every one of the period, as the period comes again.
    bool Later(std::size_t i) const { return i > 0 || w_.head.empty(); }

private:
    const WrittenExpansion& w_;
};

std::optional<ExpansionFault> FindFault(const Quotients& q, const WrittenExpansion& w, ExpansionAlgorithm algorithm) {
    const auto fault = [&](ExpansionProblem problem, std::size_t i) { return ExpansionFault{problem, q.Column(i)}; };
    const std::size_t n = q.Size();
    const long least = algorithm == ExpansionAlgorithm::Regular ? 1 : 2;
    for (std::size_t i = 0; i < n; ++i) {
        if (!q.Later(i)) continue;
        const mpz_class size = algorithm == ExpansionAlgorithm::Nearest ? mpz_class(abs(q[i])) : q[i];
        if (size < least) return fault(ExpansionProblem::QuotientTooSmall, i);
        const std::optional<std::size_t> next = q.Next(i);
        if (algorithm == ExpansionAlgorithm::Nearest && size == 2 && next && sgn(q[*next]) < 0) {
            return fault(ExpansionProblem::TwoBeforeMinus, *next);
        }
    }
    if (w.period.empty() && n >= 2) {
        if (algorithm == ExpansionAlgorithm::Regular && q[n - 1] == 1) return fault(ExpansionProblem::EndsInOne, n - 1);
        if (algorithm == ExpansionAlgorithm::Nearest && q[n - 1] == -2)
            return fault(ExpansionProblem::EndsInMinusTwo, n - 1);
    }
    if (algorithm == ExpansionAlgorithm::Variant && !w.period.empty()) {
        bool onlyTwos = true;
        for (const mpz_class& k : w.period) onlyTwos = onlyTwos && k == 2;
        if (onlyTwos) return fault(ExpansionProblem::PeriodOfTwos, w.head.size());
    }
    if (algorithm == ExpansionAlgorithm::Nearest && w.head.empty() && sgn(w.period.front()) < 0) {
        return fault(ExpansionProblem::NegativeStart, 0);
    }
    return std::nullopt;
}

// Step i: x = k + f / y with the quotient and numerator of the algorithm.
Moebius Step(const Quotients& q, std::size_t i, ExpansionAlgorithm algorithm) {
    switch (algorithm) {
        case ExpansionAlgorithm::Regular: return {q[i], 1, 1, 0};
        case ExpansionAlgorithm::Variant: return {q[i], -1, 1, 0};
        case ExpansionAlgorithm::Nearest: {
            const std::optional<std::size_t> next = q.Next(i);
            const int f = next && sgn(q[*next]) < 0 ? -1 : 1;
            return {i == 0 ? q[i] : mpz_class(abs(q[i])), f, 1, 0};
        }
    }
    return {};
}

// Steps first to last - 1 in one map, multiplied as a balanced tree: a long
// period costs a few multiplications of large numbers, not one pass over a
// growing number per step.
Moebius Steps(const Quotients& q, std::size_t first, std::size_t last, ExpansionAlgorithm algorithm) {
    if (first == last) return {};
    if (last - first == 1) return Step(q, first, algorithm);
    const std::size_t middle = first + (last - first) / 2;
    return Compose(Steps(q, first, middle, algorithm), Steps(q, middle, last, algorithm));
}

// floor((k sqrt(w) + a) / n) for n > 0.
mpz_class Floor(const mpz_class& k, const mpz_class& w, const mpz_class& a, const mpz_class& n) {
    mpz_class top = a, s;
    const mpz_class square = k * k * w;
    mpz_sqrt(s.get_mpz_t(), square.get_mpz_t());
    const bool whole = s * s == square;
    if (sgn(k) >= 0) {
        top += s;
    } else {
        // -sqrt lies in (-s - 1, -s) unless it is whole.
        top -= whole ? s : mpz_class(s + 1);
    }
    mpz_class result;
    mpz_fdiv_q(result.get_mpz_t(), top.get_mpz_t(), n.get_mpz_t());
    return result;
}

// The quotient the algorithm takes of y.
mpz_class QuotientOf(const QuadraticNumber& y, ExpansionAlgorithm algorithm) {
    const mpz_class& k = y.Koeff();
    const mpz_class& w = y.Wurzel();
    const mpz_class& n = y.Nenner();
    switch (algorithm) {
        case ExpansionAlgorithm::Regular: return Floor(k, w, y.Abs(), n);
        case ExpansionAlgorithm::Variant: return -Floor(-k, w, -y.Abs(), n);                 // ceiling
        case ExpansionAlgorithm::Nearest: return -Floor(-2 * k, w, n - 2 * y.Abs(), 2 * n);  // ceil(y - 1/2)
    }
    return 0;
}

// The value y of the period: y = (a y + b) / (c y + d), the root of
// c y^2 + (d - a) y - b = 0 that the period's own first quotient comes from.
// The three coefficients share a factor as large as the period's numbers;
// without it the discriminant is y's own, small enough to take its square
// factors out.
QuadraticNumber PeriodValue(const Moebius& m, const mpz_class& first, ExpansionAlgorithm algorithm) {
    mpz_class square = m.c, linear = m.d - m.a, constant = -m.b, common;
    mpz_gcd(common.get_mpz_t(), square.get_mpz_t(), linear.get_mpz_t());
    mpz_gcd(common.get_mpz_t(), common.get_mpz_t(), constant.get_mpz_t());
    if (common > 1) {
        mpz_divexact(square.get_mpz_t(), square.get_mpz_t(), common.get_mpz_t());
        mpz_divexact(linear.get_mpz_t(), linear.get_mpz_t(), common.get_mpz_t());
        mpz_divexact(constant.get_mpz_t(), constant.get_mpz_t(), common.get_mpz_t());
    }
    const mpz_class disc = linear * linear - 4 * square * constant;
    const QuadraticNumber plus = QuadraticNumber::Make(1, disc, -linear, 2 * square);
    const QuadraticNumber minus = QuadraticNumber::Make(-1, disc, -linear, 2 * square);
    const mpz_class expected = algorithm == ExpansionAlgorithm::Nearest ? mpz_class(abs(first)) : first;
    const bool plusFits = plus.Sign() > 0 && QuotientOf(plus, algorithm) == expected;
    const bool minusFits = minus.Sign() > 0 && QuotientOf(minus, algorithm) == expected;
    if (minusFits && !plusFits) return minus;
    return plus;
}

ArithmeticFault Apply(const Moebius& m, const QuadraticNumber& y, QuadraticNumber& x) {
    QuadraticNumber top, bottom;
    ArithmeticFault fault = Multiply(QuadraticNumber::Rational(m.a, 1), y, top);
    if (fault == ArithmeticFault::None) fault = Add(top, QuadraticNumber::Rational(m.b, 1), top);
    if (fault == ArithmeticFault::None) fault = Multiply(QuadraticNumber::Rational(m.c, 1), y, bottom);
    if (fault == ArithmeticFault::None) fault = Add(bottom, QuadraticNumber::Rational(m.d, 1), bottom);
    if (fault == ArithmeticFault::None) fault = Divide(top, bottom, x);
    return fault;
}

}  // namespace

std::variant<QuadraticNumber, ExpansionFault> ExpansionValue(const WrittenExpansion& written,
                                                             ExpansionAlgorithm algorithm) {
    const Quotients q(written);
    if (const std::optional<ExpansionFault> fault = FindFault(q, written, algorithm)) return *fault;
    const ExpansionFault tooLarge{ExpansionProblem::TooLarge, q.Size() > 0 ? q.Column(0) : 1};

    // The numbers of the maps grow with the length of the text, no faster.
    // A list that passed the checks has convergents with denominators >= 1;
    // the guards keep a division by 0 out all the same.
    const ExpansionFault noValue{ExpansionProblem::QuotientTooSmall, q.Column(q.Size() - 1)};
    const Moebius head = Steps(q, 0, written.head.size(), algorithm);
    if (written.period.empty()) {
        if (sgn(head.c) == 0) return noValue;
        return QuadraticNumber::Rational(head.a, head.c);
    }

    const Moebius period = Steps(q, written.head.size(), q.Size(), algorithm);
    if (sgn(period.c) == 0) return noValue;
    const QuadraticNumber y = PeriodValue(period, written.period.front(), algorithm);
    QuadraticNumber x;
    if (Apply(head, y, x) != ArithmeticFault::None) return tooLarge;
    return x;
}

}  // namespace tamsel::exact
