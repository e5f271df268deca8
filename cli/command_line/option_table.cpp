// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line/option_table.h"

#include "cli/command_line/messages.h"
#include "exact/walk_summary.h"
#include "exact/whole_number.h"
#include "notation/latex_notation.h"
#include "notation/svg_surface.h"

namespace tamsel {

namespace {

// The value of a numeric option: a whole number from `least` to `most`.
std::string ReadCount(const char* option, const std::string& text, std::uint64_t least, std::uint64_t most,
                      std::uint64_t& value) {
    const std::optional<mpz_class> number = exact::ReadWholeNumber(text);
    if (!number || *number < least || *number > most) {
        return std::string(option) + " erwartet eine ganze Zahl von " + std::to_string(least) + " bis " +
               std::to_string(most) + ", nicht " + QuotedForMessage(text);
    }
    value = mpz_get_ui(number->get_mpz_t());
    return "";
}

std::string Nothing(Command&, const std::string&) { return ""; }

std::string ApplyMaxSteps(Command& command, const std::string& value) {
    return ReadCount("--max-steps", value, 1, exact::kMostSteps, command.options.maxSteps);
}

std::string ApplyConvergents(Command& command, const std::string& value) {
    return ReadCount("--convergents", value, 0, exact::kMostSteps, command.options.convergents);
}

std::string ApplyThreads(Command& command, const std::string& value) {
    std::uint64_t threads = 0;
    std::string error = ReadCount("--threads", value, 1, kMostThreads, threads);
    command.options.threads = static_cast<unsigned>(threads);
    return error;
}

std::string ApplyFields(Command& command, const std::string& value) {
    std::string error;
    if (command.pell) {
        command.pellSettings.fields = ReadPellFieldList(value, error);
    } else {
        command.options.fields = ReadFieldList(value, error);
    }
    return error;
}

std::string ApplyPrecision(Command& command, const std::string& value) {
    std::uint64_t digits = 0;
    std::string error = ReadCount("--precision", value, 1, kMostPrecision, digits);
    command.pellSettings.precision = static_cast<unsigned>(digits);
    return error;
}

std::string ApplySolutions(Command& command, const std::string& value) {
    std::uint64_t count = 0;
    std::string error = ReadCount("--solutions", value, 1, kMostSolutions, count);
    command.pellSettings.solutions = count;
    return error;
}

std::string ApplySvg(Command& command, const std::string& value) {
    if (value.empty() || value.rfind("--", 0) == 0) {
        return "--svg erwartet einen Dateinamen (oder - für die Standardausgabe)";
    }
    command.exports.svgFile = value;
    return "";
}

std::string ApplySize(Command& command, const std::string& value) {
    if (!ReadPictureSize(value, command.exports.width, command.exports.height)) {
        return "--size erwartet Breite und Höhe in Pixeln wie 840x507 (je 1 bis " + std::to_string(kMaxPictureSide) +
               "), nicht " + QuotedForMessage(value);
    }
    return "";
}

std::string ApplyTrace(Command& command, const std::string& value) {
    if (!value.empty() && value != "surd") return "--trace kennt nur den Wert surd, nicht " + QuotedForMessage(value);
    command.options.trace = true;
    command.options.surdTrace = !value.empty();
    return "";
}

std::string ApplyDepth(Command& command, const std::string& value) {
    const std::optional<int> depth = ReadPositiveNumber(value, kMaxLatexDepth);
    if (!depth) {
        return "--depth erwartet eine ganze Zahl von 1 bis " + std::to_string(kMaxLatexDepth) + ", nicht " +
               QuotedForMessage(value);
    }
    command.exports.depth = *depth;
    return "";
}

std::string ApplyBest(Command& command, const std::string& value) {
    const std::optional<mpz_class> number = exact::ReadWholeNumber(value);
    if (!number || *number < 1) {
        return "--best erwartet einen größten Nenner von mindestens 1, nicht " + QuotedForMessage(value);
    }
    command.options.approximations.best = *number;
    return "";
}

std::string ApplyDigits(Command& command, const std::string& value) {
    std::uint64_t digits = 0;
    std::string error = ReadCount("--digits", value, 0, kMostDigits, digits);
    command.options.approximations.digits = digits;
    return error;
}

}  // namespace

// How to add an option: add one row below, where --help should list it,
// and, when it does more than set a switch, one Apply function above that
// reads its value into the command (cli/command_line/command.h). The row
// names the modes it is allowed in; the parse refuses it elsewhere with a
// message naming the right mode, and takes "--name VALUE" and
// "--name=VALUE" for a row with a value name. --help, the usage lines and
// the completion scripts follow from the row; give the manual page
// (cli/tamsel-cli.1) an entry under OPTIONEN with the same default, which a
// test checks. Checks that involve several options go into
// CheckCombination in cli/command_line/parse_command.cpp. A new mode is a
// value of Mode, a row of ModeTable below and an early row here that
// switches to it.
const std::vector<OptionRow>& OptionTable() {
    static const std::vector<OptionRow> table = {
        // clang-format off
        {.longName = "--variant", .modes = kEveryMode & ~kPellMode,
         .help = "Variante des Algorithmus: nächstgrößere Ganzzahl herausziehen",
         .apply = [](Command& c, const std::string&) { c.options.variant = true; return std::string(); }},
        {.longName = "--json", .modes = kEveryMode,
         .help = "Ergebnis als ein JSON-Objekt ausgeben",
         .apply = [](Command& c, const std::string&) { c.options.json = true; return std::string(); }},
        {.longName = "--help", .shortName = 'h', .modes = kEveryMode,
         .help = "diese Hilfe zeigen",
         .apply = [](Command& c, const std::string&) { c.special = Special::Help; return std::string(); },
         .early = true},
        {.longName = "--version", .shortName = 'V', .modes = kEveryMode,
         .help = "Versionsnummer zeigen",
         .apply = [](Command& c, const std::string&) {
             if (c.special == Special::None) c.special = Special::Version;
             return std::string();
         },
         .early = true},
        {.longName = "--", .modes = kEveryMode,
         .help = "alle folgenden Argumente sind Zahlen, Ausdrücke oder Kettenbrüche\n"
                 "(bei --batch Dateien), auch wenn sie mit - und einem Buchstaben\n"
                 "beginnen: tamsel-cli --exact -- '-sqrt(2)'",
         .apply = Nothing},

        {.longName = "--exact", .modes = kExactMode | kBatchMode,
         .help = "genau entwickeln, auch x < 0; Ende bei Nenner 0 oder\ngeschlossener Periode",
         .apply = [](Command& c, const std::string&) {
             if (c.mode == Mode::Window) c.mode = Mode::Exact;
             return std::string();
         },
         .early = true},
        {.longName = "--batch", .modes = kBatchMode,
         .help = "je Zeile der Eingabe vier Zahlen genau entwickeln, ein JSON-Objekt\n"
                 "je Zeile (JSON Lines); gelesen wird aus den Dateien, - oder keine\n"
                 "ist die Standardeingabe",
         .apply = [](Command& c, const std::string&) { c.mode = Mode::Batch; return std::string(); },
         .early = true},
        {.longName = "--expr", .modes = kExactMode | kBatchMode,
         .help = "x als ein Ausdruck wie '(1+sqrt(5))/2', '1/(2+√3)' oder '2√3' statt\n"
                 "vier Zahlen (auch --exact AUSDRUCK); mit --batch ein Ausdruck je Zeile",
         .apply = [](Command& c, const std::string&) {
             if (c.mode == Mode::Window) c.mode = Mode::Exact;
             c.options.expression = true;
             return std::string();
         },
         .early = true},
        {.longName = "--from", .modes = kFromMode,
         .help = "den genauen Wert eines Kettenbruchs wie '[2; (1, 1, 1, 4)]' oder der\n"
                 "Zeile 'x = [ 2; 1, 1, 1, 4   Periode 1 1 1 4 ]' ausgeben; - liest ihn\n"
                 "von der Standardeingabe",
         .apply = [](Command& c, const std::string&) { c.mode = Mode::From; return std::string(); },
         .early = true},
        {.longName = "--max-steps", .valueName = "N", .modes = kExactMode | kBatchMode | kPellMode,
         .defaultText = std::to_string(kDefaultMaxSteps),
         .help = "höchstens N Schritte, 1 bis " + std::to_string(exact::kMostSteps),
         .apply = ApplyMaxSteps},
        {.longName = "--convergents", .valueName = "N", .modes = kExactMode | kBatchMode,
         .defaultText = std::to_string(kDefaultConvergents),
         .help = "N approximierende Brüche",
         .apply = ApplyConvergents},
        {.longName = "--trace", .modes = kExactMode | kBatchMode,
         .help = "die Parameter jeder quadratischen Irrationalität zeigen; --trace=surd\n"
                 "zeigt jeden vollständigen Quotienten als Zahl (P + √D)/Q",
         .apply = ApplyTrace, .optionalValue = "surd"},
        {.longName = "--nearest", .modes = kExactMode | kBatchMode | kFromMode,
         .help = "mit dem nächsten Ganzen entwickeln; spätere Teilnenner mit dem\n"
                 "Vorzeichen des Zählers vor ihnen; mit --from die Liste so lesen",
         .apply = [](Command& c, const std::string&) { c.options.approximations.nearest = true; return std::string(); }},
        {.longName = "--best", .valueName = "Q", .modes = kExactMode | kBatchMode,
         .help = "beste Näherungen erster und zweiter Art mit Nenner bis Q",
         .apply = ApplyBest},
        {.longName = "--semiconvergents", .modes = kExactMode | kBatchMode,
         .help = "Näherungsbrüche mit Zwischenbrüchen, die besten markiert",
         .apply = [](Command& c, const std::string&) {
             c.options.approximations.semiconvergents = true;
             return std::string();
         }},
        {.longName = "--errors", .modes = kExactMode | kBatchMode,
         .help = "zu jedem Bruch |x - p/q| auf drei geltende Ziffern",
         .apply = [](Command& c, const std::string&) { c.options.approximations.errors = true; return std::string(); }},
        {.longName = "--digits", .valueName = "N", .modes = kExactMode | kBatchMode,
         .help = "x auf N Stellen nach dem Punkt abgeschnitten, 0 bis " + std::to_string(kMostDigits),
         .apply = ApplyDigits},
        {.longName = "--fields", .valueName = "LISTE", .modes = kExactMode | kBatchMode | kPellMode,
         .help = "nur diese JSON-Schlüssel, etwa inputs,periodLength\n"
                 "(mit --pell: diese Angaben, etwa regulator)",
         .apply = ApplyFields},
        {.longName = "--threads", .valueName = "N", .modes = kBatchMode,
         .defaultText = "einer je Kern",
         .help = "Rechen-Threads für --batch",
         .apply = ApplyThreads},
        {.longName = "--line-buffered", .modes = kBatchMode,
         .help = "jede Antwort sofort schreiben",
         .apply = [](Command& c, const std::string&) { c.options.lineBuffered = true; return std::string(); }},
        {.longName = "--quiet", .modes = kBatchMode,
         .help = "keine Fortschrittszeile",
         .apply = [](Command& c, const std::string&) { c.options.quiet = true; return std::string(); }},

        {.longName = "--pell", .modes = kPellMode | kBatchMode,
         .help = "x² − D·y² = ±1 für √D lösen: Grundeinheiten, Regulatoren,\n"
                 "Periodenlänge; mit --batch je Zeile D oder D N",
         .apply = [](Command& c, const std::string&) {
             c.pell = true;
             if (c.mode != Mode::Batch) c.mode = Mode::Pell;
             return std::string();
         },
         .early = true},
        {.longName = "--precision", .valueName = "N", .modes = kPellMode | kBatchMode,
         .defaultText = std::to_string(kDefaultPrecision),
         .help = "mit --pell: Regulatoren auf N geltende Stellen, korrekt gerundet",
         .apply = ApplyPrecision, .needs = "--pell"},
        {.longName = "--full", .modes = kPellMode | kBatchMode,
         .help = "mit --pell: Zahlen mit mehr als 1000 Stellen ungekürzt zeigen\n"
                 "(JSON hat immer alle Ziffern)",
         .apply = [](Command& c, const std::string&) { c.pellSettings.full = true; return std::string(); },
         .needs = "--pell"},
        {.longName = "--norm", .valueName = "N", .modes = kPellMode | kBatchMode,
         .help = "mit --pell: alle Lösungen von x² − D·y² = N (N ≠ 0) nach Klassen",
         .apply = [](Command& c, const std::string& value) { c.pellSettings.norm = value; return std::string(); },
         .needs = "--pell"},
        {.longName = "--solutions", .valueName = "K", .modes = kPellMode | kBatchMode,
         .help = "mit --pell: die K kleinsten positiven Lösungen statt der Klassen",
         .apply = ApplySolutions, .needs = "--pell"},

        {.longName = "--svg", .valueName = "DATEI", .modes = kWindowMode | kExactMode,
         .help = "den gezeichneten Kettenbruch als SVG-Bild in DATEI schreiben;\n"
                 "--svg - schreibt es statt der üblichen Ausgabe auf die Standardausgabe",
         .apply = ApplySvg},
        {.longName = "--size", .valueName = "BxH", .modes = kWindowMode | kExactMode,
         .defaultText = std::to_string(kDefaultPictureWidth) + "x" + std::to_string(kDefaultPictureHeight),
         .help = "mit --svg: Größe der Zeichenfläche in Pixeln wie im Fenster bei 1024 x 768;\n"
                 "was darüber hinausreicht, vergrößert das Bild",
         .apply = ApplySize, .needs = "--svg"},
        {.longName = "--window-colours", .modes = kWindowMode | kExactMode,
         .help = "mit --svg: die Farben des Fensters statt Schwarz auf Weiß",
         .apply = [](Command& c, const std::string&) { c.exports.windowColours = true; return std::string(); },
         .needs = "--svg", .alias = "--window-colors"},
        {.longName = "--tex", .modes = kWindowMode | kExactMode,
         .help = "statt der üblichen Ausgabe ein LaTeX-Fragment (amsmath) ausgeben",
         .apply = [](Command& c, const std::string&) { c.exports.tex = true; return std::string(); }},
        {.longName = "--depth", .valueName = "N", .modes = kWindowMode | kExactMode,
         .defaultText = std::to_string(kDefaultLatexDepth),
         .help = "mit --tex: Stufen des Kettenbruchs und Zahl der Näherungsbrüche,\n1 bis " +
                 std::to_string(kMaxLatexDepth),
         .apply = ApplyDepth, .needs = "--tex"},
        {.longName = "--standalone", .modes = kWindowMode | kExactMode,
         .help = "mit --tex: ein vollständiges LaTeX-Dokument ausgeben",
         .apply = [](Command& c, const std::string&) { c.exports.standalone = true; return std::string(); },
         .needs = "--tex"},
        // clang-format on
    };
    return table;
}

const std::vector<ModeRow>& ModeTable() {
    static const std::vector<ModeRow> modes = {
        {Mode::Window, "", "KOEFF WURZEL ABS NENNER"},
        {Mode::Exact, "--exact", "KOEFF WURZEL ABS NENNER | AUSDRUCK"},
        {Mode::Batch, "--batch", "[DATEI …]"},
        {Mode::Pell, "--pell", "D"},
        {Mode::From, "--from", "KETTENBRUCH"},
    };
    return modes;
}

const ModeRow& RowOfMode(Mode mode) {
    for (const ModeRow& row : ModeTable()) {
        if (row.mode == mode) return row;
    }
    return ModeTable().front();
}

const OptionRow* FindLongOption(std::string_view name) {
    for (const OptionRow& row : OptionTable()) {
        if (row.longName == name || (!row.alias.empty() && row.alias == name)) return &row;
    }
    return nullptr;
}

const OptionRow* FindShortOption(char name) {
    for (const OptionRow& row : OptionTable()) {
        if (row.shortName != 0 && row.shortName == name) return &row;
    }
    return nullptr;
}

}  // namespace tamsel
