// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/expression_reader.h"

#include <string>

namespace tamsel::exact {

namespace {

constexpr std::string_view kRootSign = "\xE2\x88\x9A";   // √
constexpr std::string_view kMinusSign = "\xE2\x88\x92";  // − (U+2212)
constexpr std::string_view kDot = "\xC2\xB7";            // ·
constexpr std::string_view kTimes = "\xC3\x97";          // ×

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A value and where its text starts.
struct Operand {
    QuadraticNumber value;
    std::size_t start = 0;
};

// Recursive descent, one function per level:
//   sum     = product { ("+" | "-") product }
//   product = signed { ("*" | "/") signed | root-or-parenthesis }
//   signed  = ("+" | "-") signed | power
//   power   = primary [ "^" signed ]
//   primary = number | "(" sum ")" | "sqrt" "(" sum ")" | "√" primary
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::variant<QuadraticNumber, ExpressionFault> Read() {
        SkipAnswerPrefix();
        SkipBlanks();
        if (pos_ == text_.size()) return Fail(ExpressionProblem::Empty, pos_);
        Operand result;
        if (!Sum(result)) return fault_;
        SkipBlanks();
        if (pos_ < text_.size()) {
            // A number or a name right after a complete expression lacks an operator.
            const char c = text_[pos_];
            const bool operand = IsDigit(c) || IsLetter(c) || text_.substr(pos_).starts_with(kRootSign);
            return Fail(operand ? ExpressionProblem::ExtraText : ExpressionProblem::UnexpectedCharacter, pos_);
        }
        return result.value;
    }

private:
    ExpressionFault Fail(ExpressionProblem problem, std::size_t at) {
        fault_.problem = problem;
        fault_.column = 1;
        for (std::size_t i = 0; i < at && i < text_.size(); ++i) {
            if ((static_cast<unsigned char>(text_[i]) & 0xC0) != 0x80) ++fault_.column;
        }
        return fault_;
    }

    // Turns an arithmetic fault at the operand starting at `at` into the
    // reader's fault; true when there is none.
    bool Arithmetic(ArithmeticFault fault, const QuadraticNumber& x, const QuadraticNumber& y, std::size_t at) {
        switch (fault) {
            case ArithmeticFault::None: return true;
            case ArithmeticFault::DivisionByZero: Fail(ExpressionProblem::DivisionByZero, at); break;
            case ArithmeticFault::TooLarge: Fail(ExpressionProblem::TooLarge, at); break;
            case ArithmeticFault::TwoRoots:
                Fail(ExpressionProblem::TwoRoots, at);
                fault_.firstRoot = x.Wurzel();
                fault_.secondRoot = y.Wurzel();
                break;
        }
        return false;
    }

    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    }

    bool Take(std::string_view token) {
        SkipBlanks();
        if (text_.substr(pos_, token.size()) != token) return false;
        pos_ += token.size();
        return true;
    }
    bool TakePlus() { return Take("+"); }
    bool TakeMinus() { return Take("-") || Take(kMinusSign); }
    bool TakeTimes() { return Take("*") || Take(kDot) || Take(kTimes); }

    void SkipAnswerPrefix() {
        std::size_t at = 0;
        while (at < text_.size() && IsBlank(text_[at])) ++at;
        if (at >= text_.size() || text_[at] != 'x') return;
        ++at;
        while (at < text_.size() && IsBlank(text_[at])) ++at;
        if (at < text_.size() && text_[at] == '=') pos_ = at + 1;
    }

    // Whether a root or a parenthesis follows, which multiplies what stands before it.
    bool RootOrParenthesisAhead() {
        SkipBlanks();
        const std::string_view rest = text_.substr(pos_);
        return rest.starts_with("(") || rest.starts_with(kRootSign) || rest.starts_with("sqrt");
    }

    bool Sum(Operand& result) {
        if (!Product(result)) return false;
        for (;;) {
            int sign = 0;
            if (TakePlus()) {
                sign = 1;
            } else if (TakeMinus()) {
                sign = -1;
            } else {
                return true;
            }
            Operand right;
            if (!Product(right)) return false;
            const QuadraticNumber left = result.value;
            const ArithmeticFault fault =
                sign > 0 ? Add(left, right.value, result.value) : Subtract(left, right.value, result.value);
            if (!Arithmetic(fault, left, right.value, right.start)) return false;
        }
    }

    bool Product(Operand& result) {
        if (!Signed(result)) return false;
        for (;;) {
            bool divide = false;
            if (Take("/")) {
                divide = true;
            } else if (!TakeTimes() && !RootOrParenthesisAhead()) {
                return true;
            }
            Operand right;
            if (!Signed(right)) return false;
            const QuadraticNumber left = result.value;
            const ArithmeticFault fault =
                divide ? Divide(left, right.value, result.value) : Multiply(left, right.value, result.value);
            if (!Arithmetic(fault, left, right.value, right.start)) return false;
        }
    }

    // Counts the nesting of a level while it runs.
    class Nested {
    public:
        explicit Nested(int& depth) : depth_(depth) { ++depth_; }
        ~Nested() { --depth_; }
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;

    private:
        int& depth_;
    };

    bool TooDeep() {
        if (depth_ <= kDeepestNesting) return false;
        Fail(ExpressionProblem::TooDeep, pos_);
        return true;
    }

    bool Signed(Operand& result) {
        const Nested nested(depth_);
        if (TooDeep()) return false;
        SkipBlanks();
        const std::size_t start = pos_;
        if (TakePlus()) {
            if (!Signed(result)) return false;
        } else if (TakeMinus()) {
            if (!Signed(result)) return false;
            result.value = QuadraticNumber::WithSplitRoot(-result.value.Koeff(), result.value.Wurzel(),
                                                          -result.value.Abs(), result.value.Nenner());
        } else {
            return Power(result);
        }
        result.start = start;
        return true;
    }

    bool Power(Operand& result) {
        if (!Primary(result)) return false;
        if (!Take("^")) return true;
        const std::size_t operatorAt = pos_ - 1;
        Operand exponent;
        if (!Signed(exponent)) return false;
        const QuadraticNumber& e = exponent.value;
        if (!e.IsRational() || e.Nenner() != 1 || sgn(e.Abs()) < 0) {
            Fail(ExpressionProblem::BadExponent, exponent.start);
            return false;
        }
        const QuadraticNumber base = result.value;
        return Arithmetic(exact::Power(base, e.Abs(), result.value), base, base, operatorAt);
    }

    bool Primary(Operand& result) {
        const Nested nested(depth_);
        if (TooDeep()) return false;
        SkipBlanks();
        result.start = pos_;
        if (pos_ == text_.size()) {
            Fail(ExpressionProblem::OperandMissing, pos_);
            return false;
        }
        const char c = text_[pos_];
        if (IsDigit(c)) return Number(result);
        if (c == '(') {
            ++pos_;
            return Parenthesized(result);
        }
        if (Take(kRootSign)) {
            Operand radicand;
            if (!Primary(radicand)) return false;
            return Root(radicand, result);
        }
        if (IsLetter(c)) {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && IsLetter(text_[pos_])) ++pos_;
            if (text_.substr(start, pos_ - start) != "sqrt") {
                Fail(ExpressionProblem::UnknownName, start);
                return false;
            }
            if (!Take("(")) {
                Fail(pos_ == text_.size() ? ExpressionProblem::OperandMissing : ExpressionProblem::UnexpectedCharacter,
                     pos_);
                return false;
            }
            Operand radicand;
            if (!Parenthesized(radicand)) return false;
            return Root(radicand, result);
        }
        const bool operandCanStartLater = c == ')' || c == '*' || c == '/' || c == '^' || c == '+' || c == '-';
        Fail(operandCanStartLater ? ExpressionProblem::OperandMissing : ExpressionProblem::UnexpectedCharacter, pos_);
        return false;
    }

    // After "(": the sum and its ")". The start is the first character inside.
    bool Parenthesized(Operand& result) {
        SkipBlanks();
        const std::size_t inside = pos_;
        if (!Sum(result)) return false;
        if (!Take(")")) {
            SkipBlanks();
            Fail(ExpressionProblem::ClosingMissing, pos_);
            return false;
        }
        result.start = inside;
        return true;
    }

    bool Number(Operand& result) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
        // About 3.32 bits a digit.
        if ((pos_ - start) * 10 / 3 > kMostNumberBits) {
            Fail(ExpressionProblem::TooLarge, start);
            return false;
        }
        mpz_class n;
        mpz_set_str(n.get_mpz_t(), std::string(text_.substr(start, pos_ - start)).c_str(), 10);
        result.value = QuadraticNumber::Rational(n, 1);
        return true;
    }

    // sqrt(p/q) = sqrt(p q) / q.
    bool Root(const Operand& radicand, Operand& result) {
        const QuadraticNumber& r = radicand.value;
        if (!r.IsRational()) {
            Fail(ExpressionProblem::IrrationalRadicand, radicand.start);
            return false;
        }
        if (sgn(r.Abs()) < 0) {
            Fail(ExpressionProblem::NegativeRadicand, radicand.start);
            return false;
        }
        if (mpz_sizeinbase(r.Abs().get_mpz_t(), 2) + mpz_sizeinbase(r.Nenner().get_mpz_t(), 2) > kMostNumberBits) {
            Fail(ExpressionProblem::TooLarge, radicand.start);
            return false;
        }
        result.value = QuadraticNumber::Make(1, r.Abs() * r.Nenner(), 0, r.Nenner());
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int depth_ = 0;
    ExpressionFault fault_;
};

}  // namespace

std::variant<QuadraticNumber, ExpressionFault> ReadExpression(std::string_view text) { return Reader(text).Read(); }

}  // namespace tamsel::exact
