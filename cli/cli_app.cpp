// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_app.h"

#include <algorithm>
#include <array>
#include <sstream>

#include "cli/cli_host.h"
#include "cli/exact_command.h"
#include "cli/json_text.h"
#include "engine/expansion_engine.h"
#include "notation/result_notations.h"
#include "notation/text_holder.h"

namespace tamsel {

namespace {

constexpr const char* kUsage =
    "Aufruf: tamsel-cli [--variant] [--json] KOEFF WURZEL ABS NENNER\n"
    "       tamsel-cli --exact [--variant] [--json] [--max-steps N] [--convergents N]\n"
    "                  [--trace] [--fields LISTE] KOEFF WURZEL ABS NENNER\n"
    "       tamsel-cli --batch [dieselben Optionen] [--threads N] < EINGABEN\n"
    "\n"
    "Entwickelt x = (KOEFF * Wurzel(WURZEL) + ABS) / NENNER in einen Kettenbruch.\n"
    "Jede Zahl wird gelesen wie der Text des zugehörigen Eingabefelds im Fenster.\n"
    "\n"
    "  --variant   Variante des Algorithmus: nächstgrößere Ganzzahl herausziehen\n"
    "  --json      Ergebnis als ein JSON-Objekt ausgeben\n"
    "  --help      diese Hilfe zeigen\n"
    "  --version   Versionsnummer zeigen\n"
    "  --          alle folgenden Argumente sind Zahlen\n"
    "\n"
    "Genaue Entwicklung, ohne die Grenzen des Fensters (ganze Zahlen jeder Größe):\n"
    "  --exact          genau entwickeln, auch x < 0; Ende bei Nenner 0 oder\n"
    "                   geschlossener Periode\n"
    "  --batch          je Zeile der Standardeingabe vier Zahlen genau entwickeln,\n"
    "                   ein JSON-Objekt je Zeile (JSON Lines)\n"
    "  --max-steps N    höchstens N Schritte (1 bis 1000000000, Vorgabe 1000000)\n"
    "  --convergents N  N approximierende Brüche (Vorgabe 20)\n"
    "  --trace          die Parameter jeder quadratischen Irrationalität zeigen\n"
    "  --fields LISTE   nur diese JSON-Schlüssel, etwa inputs,periodLength\n"
    "  --threads N      Rechen-Threads für --batch (Vorgabe: einer je Kern)\n"
    "\n"
    "Rückgabewert: 0 regulär beendet (bei --exact auch an der Schrittgrenze),\n"
    "1 keine gute Eingabe (bei --batch: eine Zeile fehlerhaft), 2 falscher Aufruf,\n"
    "3 Ausgabe nicht schreibbar (--exact, --batch).\n";

struct Options {
    bool variant = false;
    bool json = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> numbers;
};

// Options are the known long options before "--"; everything else, negative
// numbers included, is one of the four number texts.
bool ParseOptions(const std::vector<std::string>& args, Options& options, std::ostream& err) {
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg.rfind("--", 0) == 0) {
            if (arg == "--") {
                optionsEnded = true;
            } else if (arg == "--variant") {
                options.variant = true;
            } else if (arg == "--json") {
                options.json = true;
            } else if (arg == "--help") {
                options.help = true;
            } else if (arg == "--version") {
                options.version = true;
            } else {
                err << "tamsel-cli: unbekannte Option " << arg << "\n";
                return false;
            }
        } else {
            options.numbers.push_back(arg);
        }
    }
    if (options.help || options.version) return true;
    if (options.numbers.size() != 4) {
        err << "tamsel-cli: es werden genau vier Zahlen erwartet\n";
        return false;
    }
    return true;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, '\t')) fields.push_back(field);
    return fields;
}

std::string Trimmed(const std::string& s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first);
}

// The trace as a right-aligned table: koeff, wurzel, abs, nenner and the
// integer pulled out of each quadratic irrational.
void PrintTraceTable(const std::string& trace, std::ostream& out) {
    std::vector<std::array<std::string, 5>> rows{{"koeff", "wurzel", "abs", "nenner", "k"}};
    for (const std::string& line : SplitLines(trace)) {
        const std::vector<std::string> fields = SplitTabs(line);
        std::array<std::string, 5> row;
        for (std::size_t i = 0; i < fields.size() && i < 5; ++i) {
            const std::string& f = fields[i];
            row[i] = Trimmed(i == 4 && !f.empty() && f[0] == '>' ? f.substr(1) : f);
        }
        rows.push_back(row);
    }
    std::array<std::size_t, 5> widths{};
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < 5; ++i) widths[i] = std::max(widths[i], row[i].size());
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < 5; ++i) {
            line += std::string(widths[i] - row[i].size() + 2, ' ') + row[i];
        }
        out << line.substr(0, line.find_last_not_of(' ') + 1) << "\n";
    }
}

void PrintPlain(const std::string& notation, const CliHost& host, std::ostream& out) {
    out << (notation.size() >= 2 ? notation.substr(0, notation.size() - 2) : notation) << "\n\n";
    out << "Parameterfolge der quadratischen Irrationalitäten:\n";
    PrintTraceTable(host.Trace(), out);
    out << "\nApproximierende Brüche:\n";
    const std::vector<std::string> lines = SplitLines(host.Fractions());
    for (std::size_t i = 0; i + 1 < lines.size(); i += 3) {
        out << "  " << Trimmed(lines[i]) << "/" << Trimmed(lines[i + 1].substr(1)) << "\n";
    }
}

void PrintJson(const std::string& notation, const CliHost& host, const RunResult& result, int n, std::ostream& out) {
    const auto& inputs = host.Inputs();
    out << "{\"notation\":" << JsonString(notation) << ",\"trace\":" << JsonString(host.Trace())
        << ",\"fractions\":" << JsonString(host.Fractions()) << ",\"inputs\":{\"koeff\":" << JsonString(inputs[0])
        << ",\"wurzel\":" << JsonString(inputs[1]) << ",\"abs\":" << JsonString(inputs[2])
        << ",\"nenner\":" << JsonString(inputs[3]) << "},\"messages\":[";
    for (std::size_t i = 0; i < host.Messages().size(); ++i) {
        out << (i ? "," : "") << JsonString(host.Messages()[i]);
    }
    out << "],\"n\":" << n << ",\"periodStart\":";
    if (result.periodStart) {
        out << *result.periodStart;
    } else {
        out << "null";
    }
    out << "}\n";
}

}  // namespace

const char* UsageText() { return kUsage; }

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::istringstream nothing;
    return RunCli(args, nothing, out, err);
}

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (WantsExactMode(args)) return RunExactCli(args, in, out, err);
    Options options;
    if (!ParseOptions(args, options, err)) {
        err << kUsage;
        return 2;
    }
    if (options.help) {
        out << kUsage;
        return 0;
    }
    if (options.version) {
        out << "tamsel-cli " << TAMSEL_VERSION << "\n";
        return 0;
    }

    CliHost host({options.numbers[0], options.numbers[1], options.numbers[2], options.numbers[3]}, options.variant,
                 err);
    StringTextHolder notation;
    ResultNotations notations(notation, nullptr, host);
    ExpansionEngine engine(host, notations);
    const RunResult result = engine.RunExpansion();

    if (options.json) {
        PrintJson(notation.Text(), host, result, engine.State().n, out);
    } else {
        PrintPlain(notation.Text(), host, out);
    }
    return result.end == RunEnd::Regular ? 0 : 1;
}

}  // namespace tamsel
