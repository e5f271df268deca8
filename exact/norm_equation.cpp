// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/norm_equation.h"

#include <algorithm>
#include <cstdlib>

#include "exact/surd_product.h"
#include "exact/surd_walk.h"

namespace tamsel::exact {

// The classes come from the algorithm of Lagrange, Matthews and Mollin
// (LMM). Every solution is f times a primitive solution of
// x^2 - D y^2 = m = N / f^2 for some f with f^2 | N, and a primitive class
// of m belongs to exactly one z with -|m|/2 < z <= |m|/2 and z^2 = D
// (mod |m|), namely x = z y (mod |m|). For that z the class holds a
// solution exactly when the continued fraction of (z + sqrt(D)) / |m| meets
// a complete quotient (P_i + sqrt(D)) / Q_i with Q_i = +-1 and
// (-1)^i Q_i |m| = m within its preperiod and two periods (the second period
// gives the other sign when the period is odd); then
//     G + B sqrt(D) = Q_i a_1 ... a_i
// with B the denominator of the convergent i - 1 and G = |m| A - z B its
// companion, and G^2 - D B^2 = (-1)^i Q_i |m|. Since every class and every z
// is tried, no class is missed, and none is found twice.

namespace {

struct Candidate {
    mpz_class x, y;
};

// The member with y >= 0 (x > 0 for y = 0) of +-(x + y sqrt(D)).
void Positive(Candidate& c) {
    if (sgn(c.y) < 0 || (sgn(c.y) == 0 && sgn(c.x) < 0)) {
        c.x = -c.x;
        c.y = -c.y;
    }
}

// The fundamental solution of the class of x + y sqrt(D): |y| is least at
// one or two neighbouring powers of the unit, as y(k) is a sum or difference
// of c e^k and c' e^-k.
NormSolution Fundamental(mpz_class x, mpz_class y, const mpz_class& d, const mpz_class& x1, const mpz_class& y1) {
    const auto times = [&](const Candidate& c, int sign) {
        // (x + y sqrt(D)) (x1 + sign y1 sqrt(D))
        return Candidate{c.x * x1 + sign * d * c.y * y1, c.y * x1 + sign * c.x * y1};
    };
    Candidate c{std::move(x), std::move(y)};
    for (;;) {
        Candidate down = times(c, -1), up = times(c, 1);
        if (abs(down.y) < abs(c.y)) {
            c = std::move(down);
        } else if (abs(up.y) < abs(c.y)) {
            c = std::move(up);
        } else {
            break;
        }
    }
    Candidate best = c;
    Positive(best);
    for (int sign : {-1, 1}) {
        Candidate other = times(c, sign);
        Positive(other);
        if (other.y < best.y || (other.y == best.y && sgn(other.x) > 0 && sgn(best.x) < 0)) best = std::move(other);
    }
    return {best.x, best.y};
}

enum class ClassSearch { Found, None, StepLimit };

// The walk of (z + sqrt(D)) / |m| for a solution of x^2 - D y^2 = m.
ClassSearch SearchClass(const mpz_class& d, const mpz_class& s, const mpz_class& z, const mpz_class& m,
                        std::uint64_t maxSteps, mpz_class& x, mpz_class& y) {
    const mpz_class magnitude = abs(m);
    SurdWalk<mpz_class> walk(d, s, z, magnitude);
    SurdProduct product(d);
    mpz_class startP, startQ, p, q;
    bool reduced = false;
    int returns = 0;
    std::uint64_t periodSteps = 0;
    for (std::uint64_t i = 0;; ++i) {
        if (abs(walk.Q()) == 1) {
            const int sign = (i % 2 == 0 ? 1 : -1) * sgn(walk.Q()) * sgn(m);
            if (sign > 0) {
                product.Finish(walk.P(), walk.Q(), x, y);
                return ClassSearch::Found;
            }
        }
        if (!reduced && IsReducedSurd(walk.P(), walk.Q(), s)) {
            reduced = true;
            startP = walk.P();
            startQ = walk.Q();
        } else if (reduced && walk.P() == startP && walk.Q() == startQ && ++returns == 2) {
            return ClassSearch::None;
        }
        if (reduced && ++periodSteps > 2 * maxSteps) return ClassSearch::StepLimit;
        p = walk.P();
        q = walk.Q();
        const mpz_class& k = walk.Step();
        product.Step(k, p, q);
    }
}

// -|m|/2 < z <= |m|/2 with z^2 = D (mod |m|).
std::vector<std::int64_t> RootsModulo(const mpz_class& d, std::int64_t magnitude) {
    std::vector<std::int64_t> roots;
    const std::int64_t dRest = mpz_fdiv_ui(d.get_mpz_t(), static_cast<unsigned long>(magnitude));
    for (std::int64_t z = -((magnitude - 1) / 2); z <= magnitude / 2; ++z) {
        if ((z * z) % magnitude == dRest) roots.push_back(z);
    }
    return roots;
}

}  // namespace

NormClasses SolveNormEquation(const mpz_class& d, const mpz_class& n, const mpz_class& x1, const mpz_class& y1,
                              std::uint64_t maxSteps) {
    NormClasses result;
    if (abs(n) > kLargestNorm) {
        result.status = NormStatus::NormTooLarge;
        return result;
    }
    const std::int64_t norm = n.get_si();
    mpz_class s;
    mpz_sqrt(s.get_mpz_t(), d.get_mpz_t());
    for (std::int64_t f = 1; f * f <= std::abs(norm); ++f) {
        if (norm % (f * f) != 0) continue;
        const std::int64_t m = norm / (f * f);
        for (std::int64_t z : RootsModulo(d, std::abs(m))) {
            mpz_class x, y;
            switch (
                SearchClass(d, s, mpz_class(static_cast<long>(z)), mpz_class(static_cast<long>(m)), maxSteps, x, y)) {
                case ClassSearch::Found: result.classes.push_back(Fundamental(f * x, f * y, d, x1, y1)); break;
                case ClassSearch::None: break;
                case ClassSearch::StepLimit: result.status = NormStatus::StepLimit; return result;
            }
        }
    }
    std::sort(result.classes.begin(), result.classes.end(),
              [](const NormSolution& a, const NormSolution& b) { return a.y != b.y ? a.y < b.y : a.x > b.x; });
    return result;
}

std::vector<NormSolution> SmallestPositiveSolutions(const std::vector<NormSolution>& classes, const mpz_class& d,
                                                    const mpz_class& x1, const mpz_class& y1, std::uint64_t count) {
    // The positive solutions of a class are g e^k for k >= 0, where g is the
    // fundamental solution or its negative, whichever is greater than 0:
    // a smaller power would have a smaller |y| than the fundamental one.
    std::vector<NormSolution> all;
    for (const NormSolution& c : classes) {
        mpz_class x = c.x, y = c.y;
        // x + y sqrt(D) < 0 exactly when x < 0 and x^2 > D y^2, i.e. N > 0.
        if (sgn(x) < 0 && x * x > d * y * y) {
            x = -x;
            y = -y;
        }
        std::uint64_t found = 0;
        for (std::uint64_t tries = 0; found < count && tries < count + 2; ++tries) {
            if (sgn(x) > 0 && sgn(y) > 0) {
                all.push_back({x, y});
                ++found;
            }
            mpz_class nextX = x * x1 + d * y * y1;
            y = y * x1 + x * y1;
            x = std::move(nextX);
        }
    }
    std::sort(all.begin(), all.end(), [](const NormSolution& a, const NormSolution& b) { return a.y < b.y; });
    if (all.size() > count) all.resize(count);
    return all;
}

}  // namespace tamsel::exact
