// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/surd_product.h"

#include <thread>
#include <utility>

#include "exact/machine_integer.h"

namespace tamsel::exact {

void SurdProduct::Step(std::int64_t k, std::int64_t p, std::int64_t q) {
    run_.Step(k, p, q, [this](std::uint64_t u, std::uint64_t v, std::int64_t runP, std::int64_t runQ) {
        Close(u, v, FromInt128(runP), FromInt128(runQ));
    });
}

void SurdProduct::Step(const mpz_class& k, const mpz_class& p, const mpz_class& q) {
    run_.Step(k, p, q, [this](std::uint64_t u, std::uint64_t v, const mpz_class& runP, const mpz_class& runQ) {
        Close(u, v, runP, runQ);
    });
}

void SurdProduct::Close(std::uint64_t runU, std::uint64_t runV, const mpz_class& p, const mpz_class& q) {
    // u a + v = (u p + v q + u sqrt(D)) / q for a = (p + sqrt(D)) / q.
    Part part;
    mpz_set_ui(part.v.get_mpz_t(), runU);
    mpz_set_ui(t1_.get_mpz_t(), runV);
    part.u = part.v * p + t1_ * q;
    part.q = q;
    stack_.push_back(std::move(part));
    while (stack_.size() >= 2 && stack_[stack_.size() - 2].weight == stack_.back().weight) {
        Merge(stack_[stack_.size() - 2], stack_.back());
        stack_.pop_back();
    }
}

void SurdProduct::Merge(Part& left, Part& right) {
    // t1 = U U', t2 = V V', t3 = (U + V)(U' + V'); the largest merges take t3
    // on a second thread.
    if (mpz_sizeinbase(left.u.get_mpz_t(), 2) >= bitsForTwoThreads_) {
        mpz_class leftSum = left.u + left.v, rightSum = right.u + right.v;
        std::thread second([&] { mpz_mul(t3_.get_mpz_t(), leftSum.get_mpz_t(), rightSum.get_mpz_t()); });
        mpz_mul(t1_.get_mpz_t(), left.u.get_mpz_t(), right.u.get_mpz_t());
        mpz_mul(t2_.get_mpz_t(), left.v.get_mpz_t(), right.v.get_mpz_t());
        second.join();
    } else {
        mpz_mul(t1_.get_mpz_t(), left.u.get_mpz_t(), right.u.get_mpz_t());
        mpz_mul(t2_.get_mpz_t(), left.v.get_mpz_t(), right.v.get_mpz_t());
        left.u += left.v;
        right.u += right.v;
        mpz_mul(t3_.get_mpz_t(), left.u.get_mpz_t(), right.u.get_mpz_t());
    }
    t3_ -= t1_;
    t3_ -= t2_;
    mpz_divexact(left.v.get_mpz_t(), t3_.get_mpz_t(), left.q.get_mpz_t());
    mpz_mul(t2_.get_mpz_t(), t2_.get_mpz_t(), d_.get_mpz_t());
    t1_ += t2_;
    mpz_divexact(left.u.get_mpz_t(), t1_.get_mpz_t(), left.q.get_mpz_t());
    std::swap(left.q, right.q);
    left.weight += right.weight;
    right.u = right.v = 0;
}

void SurdProduct::Finish(const mpz_class& p, const mpz_class& q, mpz_class& u, mpz_class& v) {
    run_.Finish(p, q, [this](std::uint64_t runU, std::uint64_t runV, const mpz_class& runP, const mpz_class& runQ) {
        Close(runU, runV, runP, runQ);
    });
    while (stack_.size() >= 2) {
        Merge(stack_[stack_.size() - 2], stack_.back());
        stack_.pop_back();
    }
    Part& all = stack_.back();
    // q * product = u + v sqrt(D) for the product (u + v sqrt(D)) / q.
    mpz_swap(u.get_mpz_t(), all.u.get_mpz_t());
    mpz_swap(v.get_mpz_t(), all.v.get_mpz_t());
    stack_.clear();
}

}  // namespace tamsel::exact
