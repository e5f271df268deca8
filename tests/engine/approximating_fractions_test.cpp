#include "engine/approximating_fractions.h"
#include "engine/number_text.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tamsel {
namespace {

struct Flag : VariantFlag {
    explicit Flag(bool v) : ticked(v) {}
    bool VariantSelected() const override { return ticked; }
    bool ticked;
};

ExpansionState WithQuotients(const std::vector<double>& q) {
    ExpansionState s;
    s.n = static_cast<std::int16_t>(q.size());
    for (std::size_t i = 0; i < q.size(); ++i) s.quotient[i + 1] = q[i];
    return s;
}

// k1 + 1/(k2 + 1/(... + 1/kw)), or with minus signs, as a reduced rational.
mpq_class SlowValue(const std::vector<double>& q, int w, bool variant) {
    mpq_class value(mpz_class(q[w - 1]));
    for (int i = w - 1; i >= 1; --i) {
        const mpq_class k(mpz_class(q[i - 1]));
        value = variant ? mpq_class(k - 1 / value) : mpq_class(k + 1 / value);
        value.canonicalize();
    }
    return value;
}

TEST(ApproximatingFraction, EqualsTheReducedValueOfTheCutOffFraction) {
    std::mt19937_64 random(11);
    for (int run = 0; run < 100; ++run) {
        const bool variant = run % 2 == 1;
        const double largest = run % 10 == 0 ? 9007199254740992.0 : run % 5 == 1 ? 1e6 : 9;
        // The usual algorithm pulls out at least 1 after the first step,
        // the variant at least 2.
        std::uniform_real_distribution<double> size(variant ? 2 : 1, largest);
        std::vector<double> q{std::floor(size(random)) - 1};
        const int length = 1 + static_cast<int>(random() % 100);
        while (static_cast<int>(q.size()) < length) q.push_back(std::floor(size(random)));
        const ExpansionState s = WithQuotients(q);
        for (int w = 1; w <= length; ++w) {
            const Fraction f = ApproximatingFraction(s, w, Flag(variant));
            const mpq_class expected = SlowValue(q, w, variant);
            ASSERT_EQ(f.numerator, expected.get_num()) << "run " << run << ", w " << w;
            ASSERT_EQ(f.denominator, expected.get_den()) << "run " << run << ", w " << w;
        }
    }
}

// The list builds each fraction from the two before it; it must agree with
// the backward evaluation of every single fraction, whatever the quotients
// (zeros and negative ones included, as a switch flipped during a run gives).
TEST(ListApproximatingFractions, AgreesWithEachFractionEvaluatedBackwards) {
    std::mt19937_64 random(5);
    for (int run = 0; run < 60; ++run) {
        const bool variant = run % 2 == 1;
        std::uniform_int_distribution<int> quotient(run % 3 == 0 ? -5 : 0, run % 4 == 0 ? 1000000 : 9);
        std::vector<double> q;
        const int length = 1 + static_cast<int>(random() % 100);
        while (static_cast<int>(q.size()) < length) q.push_back(quotient(random));
        ExpansionState s = WithQuotients(q);
        std::string expected;
        for (int w = 1; w <= length; ++w) {
            const Fraction f = ApproximatingFraction(s, w, Flag(variant));
            expected += NumberText(f.numerator) + "\r\n/" + NumberText(f.denominator) + "\r\n\r\n";
        }
        ASSERT_EQ(ListApproximatingFractions(s, std::nullopt, length, Flag(variant)), expected) << "run " << run;
    }
}

struct ExtendCase {
    std::vector<double> quotients;
    std::optional<std::int32_t> periodStart;
    std::vector<double> first20;  // empty: nothing is extended
};

TEST(ExtendQuotientsPeriodically, ContinuesThePeriodToTwentySteps) {
    const std::vector<double> twos(19, 2.0);
    std::vector<double> sqrt2{1};
    sqrt2.insert(sqrt2.end(), twos.begin(), twos.end());
    const ExtendCase cases[] = {
        {{1, 2}, 2, sqrt2},
        {{2, 1, 1, 1, 4}, 2, {2, 1, 1, 1, 4, 1, 1, 1, 4, 1, 1, 1, 4, 1, 1, 1, 4, 1, 1, 1}},
        {{1}, 1, std::vector<double>(20, 1.0)},
        {{1, 3, 1, 1, 1, 1}, 1, {1, 3, 1, 1, 1, 1, 1, 3, 1, 1, 1, 1, 1, 3, 1, 1, 1, 1, 1, 3}},
        {{0, 1, 2}, std::nullopt, {}},
        {{0, 1, 2}, 0, {}},
        {std::vector<double>(20, 5.0), 3, {}},
    };
    for (const ExtendCase& c : cases) {
        ExpansionState s = WithQuotients(c.quotients);
        s.quotient[21] = 77;
        const bool extended = ExtendQuotientsPeriodically(s, c.periodStart);
        ASSERT_EQ(extended, !c.first20.empty());
        if (!extended) {
            EXPECT_EQ(s.n, static_cast<int>(c.quotients.size()));
            continue;
        }
        EXPECT_EQ(s.n, 20);
        EXPECT_EQ(std::vector<double>(s.quotient.begin() + 1, s.quotient.begin() + 21), c.first20);
        EXPECT_EQ(s.quotient[21], 77);
    }
}

int Entries(const std::string& text) {
    int count = 0;
    for (std::size_t at = text.find("\r\n\r\n"); at != std::string::npos; at = text.find("\r\n\r\n", at + 4)) ++count;
    return count;
}

TEST(ListApproximatingFractions, WritesEntriesInAscendingOrder) {
    ExpansionState s = WithQuotients({0, 1, 2});
    EXPECT_EQ(ListApproximatingFractions(s, std::nullopt, 3, Flag(false)),
              " 0\r\n/ 1\r\n\r\n 1\r\n/ 1\r\n\r\n 2\r\n/ 3\r\n\r\n");
    // The variant's square root of 2, period from step 2: 20 entries.
    ExpansionState variant = WithQuotients({2, 2, 4});
    const std::string text = ListApproximatingFractions(variant, 2, 3, Flag(true));
    const std::string first5 =
        " 2\r\n/ 1\r\n\r\n 3\r\n/ 2\r\n\r\n 10\r\n/ 7\r\n\r\n 17\r\n/ 12\r\n\r\n 58\r\n/ 41\r\n\r\n";
    EXPECT_EQ(text.substr(0, first5.size()), first5);
    EXPECT_EQ(Entries(text), 20);
    EXPECT_EQ(variant.n, 20);
}

// Only quotients the run recorded are listed: at the step limit n is 101
// while 100 quotients exist; a step that failed while pulling out its
// integer recorded nothing.
TEST(ListApproximatingFractions, ListsOnlyRecordedQuotients) {
    ExpansionState limit = WithQuotients(std::vector<double>(100, 3.0));
    limit.n = 101;
    EXPECT_EQ(Entries(ListApproximatingFractions(limit, std::nullopt, 100, Flag(false))), 100);
    EXPECT_EQ(limit.n, 101);

    ExpansionState failed = WithQuotients({4, 5, 6, 0});
    EXPECT_EQ(ListApproximatingFractions(failed, std::nullopt, 3, Flag(false)),
              " 4\r\n/ 1\r\n\r\n 21\r\n/ 5\r\n\r\n 130\r\n/ 31\r\n\r\n");

    ExpansionState none = WithQuotients({});
    EXPECT_EQ(ListApproximatingFractions(none, std::nullopt, 0, Flag(false)), "");
}

TEST(ListApproximatingFractions, WritesAllDigitsOfLargeFractions) {
    const std::vector<double> q(100, 9007199254740992.0);
    ExpansionState s = WithQuotients(q);
    const std::string text = ListApproximatingFractions(s, std::nullopt, 100, Flag(false));
    const mpq_class last = SlowValue(q, 100, false);
    const std::string lastEntry = " " + last.get_num().get_str() + "\r\n/ " + last.get_den().get_str() + "\r\n\r\n";
    ASSERT_GT(text.size(), lastEntry.size());
    EXPECT_EQ(text.substr(text.size() - lastEntry.size()), lastEntry);
    EXPECT_GT(last.get_num().get_str().size(), 1500u);
}

}  // namespace
}  // namespace tamsel
