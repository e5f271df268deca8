// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/from_command.h"

#include <variant>

#include "cli/expression_argument.h"
#include "cli/json_integer.h"
#include "cli/json_text.h"
#include "cli/output_failure.h"
#include "cli/usage_text.h"
#include "notation/input_faults.h"
#include "notation/quadratic_text.h"

namespace tamsel {

namespace {

const char* KindName(exact::ExpansionKind kind) {
    switch (kind) {
        case exact::ExpansionKind::Usual: return "regular";
        case exact::ExpansionKind::Variant: return "variant";
        case exact::ExpansionKind::Nearest: return "nearest";
    }
    return "";
}

void WriteJson(std::ostream& out, exact::ExpansionKind kind, const exact::ExactInput& x) {
    out << "{\"algorithm\":\"" << KindName(kind) << "\",\"inputs\":{\"koeff\":";
    WriteJsonInteger(out, x.koeff);
    out << ",\"wurzel\":";
    WriteJsonInteger(out, x.wurzel);
    out << ",\"abs\":";
    WriteJsonInteger(out, x.abs);
    out << ",\"nenner\":";
    WriteJsonInteger(out, x.nenner);
    out << "},\"value\":" << JsonString(QuadraticText(x)) << "}\n";
}

int FromUsageError(const std::string& message, std::ostream& err) {
    err << "tamsel-cli: " << message << "\n" << kFromUsageLine << kHelpHint;
    return 2;
}

}  // namespace

int RunFrom(const FromRequest& request, std::ostream& out, std::ostream& err) {
    const auto written = exact::ReadExpansionLine(request.text);
    if (const auto* fault = std::get_if<exact::LineFault>(&written)) {
        WriteRefusal(err, request.text, {LineFaultText(*fault), fault->column});
        return 2;
    }
    const auto value = exact::ExpansionValue(std::get<exact::WrittenExpansion>(written), request.kind);
    if (const auto* fault = std::get_if<exact::ExpansionFault>(&value)) {
        WriteRefusal(err, request.text, {ExpansionFaultText(*fault, request.kind), fault->column});
        return 2;
    }
    const exact::ExactInput x = std::get<exact::QuadraticNumber>(value).ToInput();
    if (request.json) {
        WriteJson(out, request.kind, x);
    } else {
        out << x.koeff << ' ' << x.wurzel << ' ' << x.abs << ' ' << x.nenner << "\nx = " << QuadraticText(x) << '\n';
    }
    out.flush();
    if (out) return 0;
    err << kOutputNotWritten;
    return 3;
}

bool WantsFromMode(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--") return false;
        if (arg == "--from" || arg.rfind("--from=", 0) == 0) return true;
    }
    return false;
}

int RunFromCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    FromRequest request;
    bool haveText = false;
    bool variant = false;
    bool nearest = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--from" || arg.rfind("--from=", 0) == 0) {
            if (haveText) return FromUsageError("--from steht mehr als einmal", err);
            if (arg == "--from") {
                if (i + 1 == args.size()) return FromUsageError("--from erwartet einen Kettenbruch", err);
                request.text = args[++i];
            } else {
                request.text = arg.substr(7);
            }
            haveText = true;
        } else if (arg == "--variant") {
            variant = true;
        } else if (arg == "--nearest") {
            nearest = true;
        } else if (arg == "--json") {
            request.json = true;
        } else {
            return FromUsageError("mit --from unbekannt: " + arg, err);
        }
    }
    if (variant && nearest) return FromUsageError("--variant und --nearest schließen einander aus", err);
    if (variant) request.kind = exact::ExpansionKind::Variant;
    if (nearest) request.kind = exact::ExpansionKind::Nearest;
    return RunFrom(request, out, err);
}

}  // namespace tamsel
