// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_app.h"

#include <algorithm>
#include <array>
#include <sstream>

#include "cli/cli_host.h"
#include "cli/export_options.h"
#include "cli/export_output.h"
#include "cli/export_recorder.h"
#include "cli/json_text.h"
#include "engine/expansion_engine.h"
#include "notation/result_notations.h"
#include "notation/text_holder.h"

namespace tamsel {

namespace {

constexpr const char* kUsage =
    "Aufruf: tamsel-cli [--variant] [--json] KOEFF WURZEL ABS NENNER\n"
    "\n"
    "Entwickelt x = (KOEFF * Wurzel(WURZEL) + ABS) / NENNER in einen Kettenbruch.\n"
    "Jede Zahl wird gelesen wie der Text des zugehörigen Eingabefelds im Fenster.\n"
    "\n"
    "  --variant   Variante des Algorithmus: nächstgrößere Ganzzahl herausziehen\n"
    "  --json      Ergebnis als ein JSON-Objekt ausgeben\n"
    "  --svg DATEI den gezeichneten Kettenbruch als SVG-Bild in DATEI schreiben;\n"
    "              --svg - schreibt es statt der üblichen Ausgabe auf die Standardausgabe\n"
    "  --size BxH  Größe der Zeichenfläche in Pixeln (Vorgabe 840x507 wie im Fenster\n"
    "              bei 1024 x 768); was darüber hinausreicht, vergrößert das Bild\n"
    "  --window-colours  die Farben des Fensters statt Schwarz auf Weiß\n"
    "  --tex       statt der üblichen Ausgabe ein LaTeX-Fragment (amsmath) ausgeben\n"
    "  --depth N   mit --tex: Stufen des Kettenbruchs und Zahl der Näherungsbrüche\n"
    "              (1 bis 100, Vorgabe 6)\n"
    "  --standalone  mit --tex: ein vollständiges LaTeX-Dokument ausgeben\n"
    "  --help      diese Hilfe zeigen\n"
    "  --version   Versionsnummer zeigen\n"
    "  --          alle folgenden Argumente sind Zahlen\n"
    "\n"
    "Rückgabewert: 0 regulär beendet, 1 keine gute Eingabe, 2 falscher Aufruf,\n"
    "3 Datei oder Ausgabe nicht geschrieben.\n";

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

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    std::vector<std::string> args = arguments;
    ExportOptions exports;
    Options options;
    if (!TakeExportOptions(args, exports, err) || !ParseOptions(args, options, err)) {
        err << kUsage;
        return 2;
    }
    if (options.json && ExportReplacesUsualOutput(exports)) {
        err << "tamsel-cli: --json und eine Ausgabe von --tex oder --svg - schließen einander aus\n" << kUsage;
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
    ExportRecorder recorder(notations);
    ExpansionEngine engine(host, recorder);
    const RunResult result = engine.RunExpansion();

    if (!ExportReplacesUsualOutput(exports)) {
        if (options.json) {
            PrintJson(notation.Text(), host, result, engine.State().n, out);
        } else {
            PrintPlain(notation.Text(), host, out);
        }
    }
    if (ExportRequested(exports) && !WriteExports(exports, recorder.Result(engine.State(), host), out, err)) {
        return 3;
    }
    return result.end == RunEnd::Regular ? 0 : 1;
}

}  // namespace tamsel
