// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pell_command.h"

#include "cli/exact_json.h"
#include "cli/output_failure.h"
#include "cli/pell_json.h"
#include "cli/usage_text.h"
#include "cli/whole_argument.h"
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

// A wrong input: its message, naming the rule.
struct InputError {
    std::string message;
};

std::optional<PellInputs> ReadInputs(std::string_view dText, std::optional<std::string_view> nText,
                                     std::string& error) {
    PellInputs inputs;
    std::optional<mpz_class> d = exact::ReadWholeNumber(dText);
    if (!d) {
        error = "D muss eine ganze Zahl sein, nicht " + QuotedForMessage(dText);
        return std::nullopt;
    }
    if (sgn(*d) <= 0) {
        error = "D muss größer als 0 sein, nicht " + NumberText(*d, false);
        return std::nullopt;
    }
    mpz_class root;
    if (exact::IsSquare(*d, root)) {
        error = "D darf keine Quadratzahl sein: " + NumberText(*d, false) + " = " + NumberText(root, false) + "²";
        return std::nullopt;
    }
    inputs.d = std::move(*d);
    if (nText) {
        std::optional<mpz_class> n = exact::ReadWholeNumber(*nText);
        if (!n) {
            error = "N muss eine ganze Zahl sein, nicht " + QuotedForMessage(*nText);
            return std::nullopt;
        }
        if (sgn(*n) == 0) {
            error = "N darf nicht 0 sein";
            return std::nullopt;
        }
        if (abs(*n) > exact::kLargestNorm) {
            error =
                "|N| darf höchstens " + std::to_string(exact::kLargestNorm) + " sein, nicht " + NumberText(*n, false);
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
bool GatherOrder(const mpz_class& d, exact::UnitOrder order, const PellRequest& request, bool wantPeriod,
                 bool wantSolutions, bool wantUnit, bool wantRegulator, UnitFacts& facts, std::string& error) {
    exact::UnitRequest unitRequest;
    unitRequest.d = d;
    unitRequest.order = order;
    unitRequest.maxSteps = request.maxSteps;
    unitRequest.exact = wantSolutions || wantUnit;
    if (wantRegulator) unitRequest.regulatorDigits = request.precision;
    exact::OrderUnit unit = exact::FundamentalUnit(unitRequest);
    if (!unit.closed) {
        const std::string root = "√" + NumberText(d, false);
        error = NotClosed(order == exact::UnitOrder::Root ? root : "(1 + " + root + ")/2", request.maxSteps);
        return false;
    }
    if (wantPeriod) facts.periodLength = unit.periodLength;
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

bool GatherFacts(const mpz_class& d, const PellRequest& request, const PellFields& fields, PellFacts& facts,
                 std::string& error) {
    facts.d = d;
    facts.withNegativePell = fields.Has(PellField::NegativePell);
    const bool rootPell = fields.Has(PellField::Pell) || fields.Has(PellField::NegativePell);
    if (!GatherOrder(d, exact::UnitOrder::Root, request, fields.Has(PellField::PeriodLength), rootPell,
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
    if (!GatherOrder(d, exact::UnitOrder::Half, request, fields.Has(PellField::PeriodLengthOrderD), halfPell,
                     fields.Has(PellField::UnitOrderD), fields.Has(PellField::RegulatorOrderD), *facts.half, error)) {
        return false;
    }
    if (!fields.Has(PellField::PellFour)) facts.half->positive.reset();
    if (!fields.Has(PellField::NegativePellFour)) facts.half->negative.reset();
    return true;
}

// The classes (or the smallest positive solutions) of x^2 - D y^2 = N.
bool SolveNorm(const PellInputs& inputs, const PellRequest& request, std::vector<PellPair>& solutions, PellPair& unit,
               std::string& error) {
    exact::UnitRequest unitRequest;
    unitRequest.d = inputs.d;
    unitRequest.maxSteps = request.maxSteps;
    exact::OrderUnit root = exact::FundamentalUnit(unitRequest);
    if (!root.closed) {
        error = NotClosed("√" + NumberText(inputs.d, false), request.maxSteps);
        return false;
    }
    if (root.norm < 0) {
        exact::SquareUnit(root.x, root.y, inputs.d, 1, unit.x, unit.y);
    } else {
        unit = {root.x, root.y};
    }
    const mpz_class n = inputs.n ? *inputs.n : mpz_class(1);
    exact::NormClasses classes = exact::SolveNormEquation(inputs.d, n, unit.x, unit.y, request.maxSteps);
    if (classes.status == exact::NormStatus::StepLimit) {
        error = NotClosed("einer Klasse von " + EquationText(inputs.d, n, false), request.maxSteps);
        return false;
    }
    std::vector<exact::NormSolution> found =
        request.solutions
            ? exact::SmallestPositiveSolutions(classes.classes, inputs.d, unit.x, unit.y, *request.solutions)
            : std::move(classes.classes);
    for (exact::NormSolution& s : found) solutions.push_back({std::move(s.x), std::move(s.y)});
    return true;
}

// Answers one input; false with the message when the walk does not close.
bool Answer(const PellInputs& inputs, const PellRequest& request, std::uint64_t line, std::ostream& out,
            std::string& error) {
    if (inputs.n || request.solutions) {
        std::vector<PellPair> solutions;
        PellPair unit;
        if (!SolveNorm(inputs, request, solutions, unit, error)) return false;
        const mpz_class n = inputs.n ? *inputs.n : mpz_class(1);
        if (request.json || request.batch) {
            WriteNormJson(out, inputs.d, n, solutions, request.solutions.has_value(), line);
        } else {
            WriteNormText(out, inputs.d, n, solutions, request.solutions.has_value(), unit, request.full);
        }
        return true;
    }
    const PellFields fields = request.Fields();
    PellFacts facts;
    if (!GatherFacts(inputs.d, request, fields, facts, error)) return false;
    if (request.json || request.batch) {
        WritePellJson(out, facts, fields, line);
    } else {
        WritePellText(out, facts, request.full);
    }
    return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

int Written(std::ostream& out, std::ostream& err, int status) {
    out.flush();
    if (out) return status;
    err << kOutputNotWritten;
    return 3;
}

int UsageError(bool batch, const std::string& message, std::ostream& err) {
    if (!message.empty()) err << "tamsel-cli: " << message << "\n";
    err << (batch ? kPellBatchUsageLine : kPellUsageLine) << kHelpHint;
    return 2;
}

}  // namespace

bool AnswerPellLine(std::string_view line, std::uint64_t lineNumber, const PellRequest& request, std::ostream& out) {
    const std::size_t comment = line.find('#');
    if (comment != std::string_view::npos) line = line.substr(0, comment);
    const std::vector<std::string_view> words = Words(line);
    if (words.empty()) return true;
    std::string error;
    if (words.size() > 2) {
        WriteJsonError(out, lineNumber,
                       "erwartet werden D oder D N, die Zeile hat " + std::to_string(words.size()) + " Zahlen");
        return false;
    }
    std::optional<std::string_view> n;
    if (words.size() == 2) {
        n = words[1];
    } else if (request.norm) {
        n = *request.norm;
    }
    const std::optional<PellInputs> inputs = ReadInputs(words[0], n, error);
    if (!inputs || !Answer(*inputs, request, lineNumber, out, error)) {
        WriteJsonError(out, lineNumber, error);
        return false;
    }
    return true;
}

int RunPell(const PellRequest& request, std::istream& in, std::ostream& out, std::ostream& err) {
    if (request.batch) {
        bool anyFailed = false;
        std::string line;
        std::uint64_t lineNumber = 0;
        while (out && std::getline(in, line)) {
            if (!AnswerPellLine(line, ++lineNumber, request, out)) anyFailed = true;
        }
        return Written(out, err, anyFailed ? 1 : 0);
    }
    std::string error;
    std::optional<std::string_view> n;
    if (request.norm) n = *request.norm;
    const std::optional<PellInputs> inputs = ReadInputs(request.numbers[0], n, error);
    if (!inputs) return UsageError(false, error, err);
    if (!Answer(*inputs, request, 0, out, error)) {
        err << "tamsel-cli: " << error << "\n";
        return Written(out, err, 1);
    }
    return Written(out, err, 0);
}

int RunPellCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    PellRequest request;
    std::string error;
    if (!ReadPellOptions(args, request, error)) {
        bool batch = false;
        for (const std::string& arg : args) batch = batch || arg == "--batch";
        return UsageError(batch, error, err);
    }
    return RunPell(request, in, out, err);
}

}  // namespace tamsel
