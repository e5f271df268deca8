// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/from_mode/from_command.h"

#include <sstream>
#include <variant>

#include "cli/exact_mode/expression_argument.h"
#include "cli/json/exact_json.h"
#include "cli/json/json_text.h"
#include "notation/input_faults.h"
#include "notation/quadratic_text.h"

namespace tamsel {

namespace {

const char* AlgorithmName(exact::ExpansionAlgorithm algorithm) {
    switch (algorithm) {
        case exact::ExpansionAlgorithm::Regular: return "regular";
        case exact::ExpansionAlgorithm::Variant: return "variant";
        case exact::ExpansionAlgorithm::Nearest: return "nearest";
    }
    return "";
}

void WriteJson(std::ostream& out, exact::ExpansionAlgorithm algorithm, const exact::ExactInput& x) {
    out << "{\"algorithm\":\"" << AlgorithmName(algorithm) << "\",\"inputs\":";
    WriteJsonInputs(out, x);
    out << ",\"value\":" << JsonString(QuadraticText(x)) << "}\n";
}

}  // namespace

ExitStatus RunFrom(const FromRequest& request, std::ostream& out, std::ostream& err) {
    const auto written = exact::ReadExpansionLine(request.text);
    if (const auto* fault = std::get_if<exact::LineFault>(&written)) {
        WriteRefusal(err, request.text, {LineFaultText(*fault), fault->column});
        return ExitStatus::WrongCall;
    }
    const auto value = exact::ExpansionValue(std::get<exact::WrittenExpansion>(written), request.algorithm);
    if (const auto* fault = std::get_if<exact::ExpansionFault>(&value)) {
        WriteRefusal(err, request.text, {ExpansionFaultText(*fault, request.algorithm), fault->column});
        return ExitStatus::WrongCall;
    }
    const exact::ExactInput x = std::get<exact::QuadraticNumber>(value).ToInput();
    if (request.json) {
        WriteJson(out, request.algorithm, x);
    } else {
        out << x.koeff << ' ' << x.wurzel << ' ' << x.abs << ' ' << x.nenner << "\nx = " << QuadraticText(x) << '\n';
    }
    return AfterWriting(out, err, ExitStatus::Done);
}

ExitStatus RunFromMode(const Command& command, std::istream& in, std::ostream& out, std::ostream& err) {
    FromRequest request;
    request.text = command.numbers.front();
    if (request.text == "-") {
        std::ostringstream whole;
        whole << in.rdbuf();
        request.text = std::move(whole).str();
    }
    request.json = command.options.json;
    request.algorithm = command.options.Algorithm();
    return RunFrom(request, out, err);
}

}  // namespace tamsel
