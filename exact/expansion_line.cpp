// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/expansion_line.h"

#include <string>

namespace tamsel::exact {

namespace {

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";   // …
constexpr std::string_view kMinusSign = "\xE2\x88\x92";  // − (U+2212)
constexpr std::string_view kPeriodWord = "Periode";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    std::variant<WrittenExpansion, LineFault> Read() {
        SkipAnswerPrefix();
        if (!Take("[")) return Fail(LineProblem::NoList);
        if (!List()) return fault_;
        SkipBlanks();
        if (pos_ < text_.size()) return Fail(LineProblem::ExtraText);
        return std::move(written_);
    }

private:
    LineFault Fail(LineProblem problem) {
        SkipBlanks();
        fault_.problem = problem;
        fault_.column = ColumnOf(pos_);
        return fault_;
    }

    // Counts on from the position asked for last, so that a long line is
    // counted once, not once per quotient.
    std::size_t ColumnOf(std::size_t at) {
        if (at < countedTo_) {
            countedTo_ = 0;
            countedColumn_ = 1;
        }
        for (; countedTo_ < at && countedTo_ < text_.size(); ++countedTo_) {
            if ((static_cast<unsigned char>(text_[countedTo_]) & 0xC0) != 0x80) ++countedColumn_;
        }
        return countedColumn_;
    }

    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    }

    bool Ahead(std::string_view token) {
        SkipBlanks();
        return text_.substr(pos_).starts_with(token);
    }

    bool Take(std::string_view token) {
        if (!Ahead(token)) return false;
        pos_ += token.size();
        return true;
    }

    void SkipAnswerPrefix() {
        SkipBlanks();
        std::size_t at = pos_;
        if (at >= text_.size() || text_[at] != 'x') return;
        ++at;
        while (at < text_.size() && IsBlank(text_[at])) ++at;
        if (at < text_.size() && text_[at] == '=') pos_ = at + 1;
    }

    bool CutAhead() { return Ahead(kEllipsis) || Ahead("..."); }

    // A whole number with an optional sign; false (and the fault) when none
    // stands here.
    bool Number(std::vector<mpz_class>& numbers, std::vector<std::size_t>& columns) {
        SkipBlanks();
        if (CutAhead() || Ahead("]")) {
            Fail(CutAhead() || !numbers.empty() || !written_.head.empty() ? LineProblem::Cut
                                                                          : LineProblem::NumberMissing);
            return false;
        }
        const std::size_t start = pos_;
        bool negative = false;
        if (Take("-") || Take(kMinusSign)) {
            negative = true;
        } else {
            Take("+");
        }
        const std::size_t digits = pos_;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
        if (pos_ == digits) {
            Fail(LineProblem::NumberMissing);
            return false;
        }
        mpz_class n;
        mpz_set_str(n.get_mpz_t(), std::string(text_.substr(digits, pos_ - digits)).c_str(), 10);
        numbers.push_back(negative ? mpz_class(-n) : n);
        columns.push_back(ColumnOf(start));
        return true;
    }

    // After "[": the quotients up to and with the closing "]".
    bool List() {
        if (Take("(")) return ParenthesizedPeriod();
        if (!Number(written_.head, written_.headColumns)) return false;
        for (;;) {
            if (Take("]")) return true;
            if (CutAhead()) {
                Fail(LineProblem::Cut);
                return false;
            }
            if (Ahead(kPeriodWord)) {
                const std::size_t word = pos_;
                pos_ += kPeriodWord.size();
                return RepeatedPeriod(word);
            }
            if (!Take(";") && !Take(",")) {
                Fail(pos_ == text_.size() ? LineProblem::BracketMissing : LineProblem::UnexpectedCharacter);
                return false;
            }
            if (Take("(")) return ParenthesizedPeriod();
            if (!Number(written_.head, written_.headColumns)) return false;
        }
    }

    // After "(": the period, its ")" and the closing "]".
    bool ParenthesizedPeriod() {
        if (Ahead(")")) return Fail(LineProblem::EmptyPeriod), false;
        for (;;) {
            if (!Number(written_.period, written_.periodColumns)) return false;
            if (Take(")")) break;
            if (!Take(",") && !Take(";")) {
                Fail(pos_ == text_.size() ? LineProblem::ParenthesisMissing : LineProblem::UnexpectedCharacter);
                return false;
            }
        }
        if (!Take("]")) {
            Fail(pos_ == text_.size() ? LineProblem::BracketMissing : LineProblem::UnexpectedCharacter);
            return false;
        }
        return true;
    }

    // After "Periode": the period as the end of the list, repeated, and "]".
    bool RepeatedPeriod(std::size_t word) {
        while (!Take("]")) {
            if (pos_ == text_.size()) return Fail(LineProblem::BracketMissing), false;
            Take(",");
            if (!Number(written_.period, written_.periodColumns)) return false;
        }
        const std::size_t length = written_.period.size();
        std::vector<mpz_class>& head = written_.head;
        bool repeated = length > 0 && length <= head.size();
        for (std::size_t i = 0; repeated && i < length; ++i) {
            repeated = head[head.size() - length + i] == written_.period[i];
        }
        if (!repeated) {
            pos_ = word;
            Fail(length == 0 ? LineProblem::EmptyPeriod : LineProblem::PeriodNotRepeated);
            return false;
        }
        head.resize(head.size() - length);
        written_.headColumns.resize(head.size());
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t countedTo_ = 0;
    std::size_t countedColumn_ = 1;
    WrittenExpansion written_;
    LineFault fault_;
};

}  // namespace

std::variant<WrittenExpansion, LineFault> ReadExpansionLine(std::string_view text) { return LineReader(text).Read(); }

}  // namespace tamsel::exact
