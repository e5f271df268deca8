// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pell/pell_command.h"

#include "cli/command_line/messages.h"
#include "cli/json/exact_json.h"
#include "cli/pell/pell_json.h"
#include "exact/norm_equation.h"
#include "exact/pell_units.h"
#include "exact/whole_number.h"
#include "notation/pell_text.h"

namespace tamsel {

namespace {

struct PellInputs {
    mpz_class d;
    std::optional<mpz_class> n;
};

// A refused input: the message, and in a batch the stable word for its cause.
std::optional<PellInputs> ReadInputs(std::string_view dText, std::optional<std::string_view> nText, std::string& error,
                                     const char*& code) {
    PellInputs inputs;
    std::optional<mpz_class> d = exact::ReadWholeNumber(dText);
    if (!d) {
        code = "not-a-number";
        error = "D muss eine ganze Zahl sein, nicht " + QuotedForMessage(dText);
        return std::nullopt;
    }
    if (sgn(*d) <= 0) {
        code = "non-positive-d";
        error = "D muss größer als 0 sein, nicht " + PellNumberText(*d, false);
        return std::nullopt;
    }
    mpz_class root;
    if (exact::IsSquare(*d, root)) {
        code = "square-d";
        error = "D darf keine Quadratzahl sein: " + PellNumberText(*d, false) + " = " + PellNumberText(root, false) + "²";
        return std::nullopt;
    }
    inputs.d = std::move(*d);
    if (nText) {
        std::optional<mpz_class> n = exact::ReadWholeNumber(*nText);
        if (!n) {
            code = "not-a-number";
            error = "N muss eine ganze Zahl sein, nicht " + QuotedForMessage(*nText);
            return std::nullopt;
        }
        if (sgn(*n) == 0) {
            code = "zero-norm";
            error = "N darf nicht 0 sein";
            return std::nullopt;
        }
        if (abs(*n) > exact::kLargestNorm) {
            code = "norm-too-large";
            error =
                "|N| darf höchstens " + std::to_string(exact::kLargestNorm) + " sein, nicht " + PellNumberText(*n, false);
            return std::nullopt;
        }
        inputs.n = std::move(*n);
    }
    return inputs;
}

std::string NotClosed(const std::string& what, std::uint64_t maxSteps) {
    return "die Periode von " + what + " schließt sich nicht innerhalb von " + std::to_string(maxSteps) +
           " Schritten (mehr erlaubt --max-steps)";
}

// The unit of an order and what it gives, as far as `fields` ask for it.
// False (with the message) when the period does not close.
bool GatherOrder(const mpz_class& d, exact::UnitOrder order, const Command& command, bool wantPeriod,
                 bool wantSolutions, bool wantUnit, bool wantRegulator, UnitFacts& facts, std::string& error) {
    exact::UnitRequest unitRequest;
    unitRequest.d = d;
    unitRequest.order = order;
    unitRequest.maxSteps = command.options.maxSteps;
    unitRequest.exact = wantSolutions || wantUnit;
    if (wantRegulator) unitRequest.regulatorDigits = command.pellSettings.precision;
    exact::OrderUnit unit = exact::FundamentalUnit(unitRequest);
    if (!unit.closed) {
        const std::string root = "√" + PellNumberText(d, false);
        error = NotClosed(order == exact::UnitOrder::Root ? root : "(1 + " + root + ")/2", command.options.maxSteps);
        return false;
    }
    facts.periodLength = unit.periodLength;
    facts.showPeriodLength = wantPeriod;
    facts.norm = unit.norm;
    if (unit.regulator) facts.regulator = SignificantDigits{unit.regulator->digits, unit.regulator->exponent};
    if (wantSolutions) {
        if (unit.norm < 0) {
            PellPair square;
            exact::SquareUnit(unit.x, unit.y, d, exact::UnitDivisor(order), square.x, square.y);
            facts.positive = std::move(square);
            facts.negative = PellPair{unit.x, unit.y};
        } else {
            facts.positive = PellPair{unit.x, unit.y};
        }
    }
    if (wantUnit) facts.unit = PellPair{std::move(unit.x), std::move(unit.y)};
    return true;
}

bool GatherFacts(const mpz_class& d, const Command& command, const PellFields& fields, PellFacts& facts,
                 std::string& error) {
    facts.d = d;
    facts.withNegativePell = fields.Has(PellField::NegativePell);
    facts.withNegativePellFour = fields.Has(PellField::NegativePellFour);
    const bool rootPell = fields.Has(PellField::Pell) || fields.Has(PellField::NegativePell);
    if (!GatherOrder(d, exact::UnitOrder::Root, command, fields.Has(PellField::PeriodLength), rootPell,
                     fields.Has(PellField::Unit), fields.Has(PellField::Regulator), facts.root, error)) {
        return false;
    }
    if (!fields.Has(PellField::Pell)) facts.root.positive.reset();
    if (!fields.Has(PellField::NegativePell)) facts.root.negative.reset();

    const bool halfAsked = fields.Has(PellField::PeriodLengthOrderD) || fields.Has(PellField::PellFour) ||
                           fields.Has(PellField::NegativePellFour) || fields.Has(PellField::UnitOrderD) ||
                           fields.Has(PellField::RegulatorOrderD);
    if (!halfAsked || mpz_fdiv_ui(d.get_mpz_t(), 4) != 1) return true;
    facts.half.emplace();
    const bool halfPell = fields.Has(PellField::PellFour) || fields.Has(PellField::NegativePellFour);
    if (!GatherOrder(d, exact::UnitOrder::Half, command, fields.Has(PellField::PeriodLengthOrderD), halfPell,
                     fields.Has(PellField::UnitOrderD), fields.Has(PellField::RegulatorOrderD), *facts.half, error)) {
        return false;
    }
    if (!fields.Has(PellField::PellFour)) facts.half->positive.reset();
    if (!fields.Has(PellField::NegativePellFour)) facts.half->negative.reset();
    return true;
}

// The classes (or the smallest positive solutions) of x^2 - D y^2 = N.
bool SolveNorm(const PellInputs& inputs, const Command& command, std::vector<PellPair>& solutions, PellPair& unit,
               std::string& error) {
    exact::UnitRequest unitRequest;
    unitRequest.d = inputs.d;
    unitRequest.maxSteps = command.options.maxSteps;
    exact::OrderUnit root = exact::FundamentalUnit(unitRequest);
    if (!root.closed) {
        error = NotClosed("√" + PellNumberText(inputs.d, false), command.options.maxSteps);
        return false;
    }
    if (root.norm < 0) {
        exact::SquareUnit(root.x, root.y, inputs.d, 1, unit.x, unit.y);
    } else {
        unit = {root.x, root.y};
    }
    const mpz_class n = inputs.n ? *inputs.n : mpz_class(1);
    exact::NormClasses classes = exact::SolveNormEquation(inputs.d, n, unit.x, unit.y, command.options.maxSteps);
    if (classes.status == exact::NormStatus::StepLimit) {
        error = NotClosed("einer Klasse von " + EquationText(inputs.d, n, false), command.options.maxSteps);
        return false;
    }
    std::vector<exact::NormSolution> found =
        command.pellSettings.solutions ? exact::SmallestPositiveSolutions(classes.classes, inputs.d, unit.x, unit.y,
                                                                          *command.pellSettings.solutions)
                                       : std::move(classes.classes);
    for (exact::NormSolution& s : found) solutions.push_back({std::move(s.x), std::move(s.y)});
    return true;
}

// Answers one input (of a batch line at `place`); false with the message when
// the walk does not close.
bool Answer(const PellInputs& inputs, const Command& command, const BatchPlace& place, std::ostream& out,
            std::string& error) {
    if (inputs.n || command.pellSettings.solutions) {
        std::vector<PellPair> solutions;
        PellPair unit;
        if (!SolveNorm(inputs, command, solutions, unit, error)) return false;
        const mpz_class n = inputs.n ? *inputs.n : mpz_class(1);
        if (command.options.json || command.mode == Mode::Batch) {
            WriteNormJson(out, inputs.d, n, solutions, command.pellSettings.solutions.has_value(), place.line,
                          place.file);
        } else {
            WriteNormText(out, inputs.d, n, solutions, command.pellSettings.solutions.has_value(), unit,
                          command.pellSettings.full);
        }
        return true;
    }
    PellFields fields = command.pellSettings.Fields(command.mode == Mode::Batch);
    if (place.file != nullptr) fields.Add(PellField::Line);
    PellFacts facts;
    if (!GatherFacts(inputs.d, command, fields, facts, error)) return false;
    if (command.options.json || command.mode == Mode::Batch) {
        WritePellJson(out, facts, fields, place.line, place.file);
    } else {
        WritePellText(out, facts, command.pellSettings.full);
    }
    return true;
}

}  // namespace

bool AnswerPellLine(std::string_view line, const BatchPlace& place, const Command& command, std::ostream& out) {
    const std::vector<std::string_view> words = Words(WithoutComment(line));
    if (words.empty()) return true;
    std::string error;
    if (words.size() > 2) {
        WriteJsonError(out, place.line,
                       "erwartet werden D oder D N, die Zeile hat " + std::to_string(words.size()) + " Zahlen",
                       "field-count", place.file);
        return false;
    }
    std::optional<std::string_view> n;
    if (words.size() == 2) {
        n = words[1];
    } else if (command.pellSettings.norm) {
        n = *command.pellSettings.norm;
    }
    const char* code = "step-limit";  // the only refusal after the inputs were read
    const std::optional<PellInputs> inputs = ReadInputs(words[0], n, error, code);
    if (!inputs || !Answer(*inputs, command, place, out, error)) {
        WriteJsonError(out, place.line, error, code, place.file);
        return false;
    }
    return true;
}

ExitStatus RunPellMode(const Command& command, std::ostream& out, std::ostream& err) {
    std::string error;
    const char* code = nullptr;
    std::optional<std::string_view> n;
    if (command.pellSettings.norm) n = *command.pellSettings.norm;
    const std::optional<PellInputs> inputs = ReadInputs(command.numbers[0], n, error, code);
    if (!inputs) return WrongCall(err, Mode::Pell, error);
    if (!Answer(*inputs, command, BatchPlace{}, out, error)) {
        SayTo(err, error);
        return AfterWriting(out, err, ExitStatus::InputRefused);
    }
    return AfterWriting(out, err, ExitStatus::Done);
}

}  // namespace tamsel
