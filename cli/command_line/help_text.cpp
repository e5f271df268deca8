// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line/help_text.h"

#include <vector>

#include "cli/command_line/option_table.h"

namespace tamsel {

namespace {

constexpr std::size_t kWidestLine = 100;
constexpr std::size_t kHelpColumn = 22;

// The part of --help an option is listed in.
enum class Section { General, Exact, Pell, Export };

Section SectionOf(const OptionRow& row) {
    if (row.modes == kEveryMode || row.modes == (kEveryMode & ~kPellMode)) return Section::General;
    if (row.modes == (kWindowMode | kExactMode)) return Section::Export;
    if ((row.modes & kPellMode) != 0 && (row.modes & kExactMode) == 0) return Section::Pell;
    return Section::Exact;
}

std::string NameColumn(const OptionRow& row) {
    std::string names;
    if (row.shortName != 0) names = std::string("-") + row.shortName + ", ";
    names += row.longName;
    if (!row.valueName.empty()) names += " " + row.valueName;
    if (!row.optionalValue.empty()) names += "[=" + row.optionalValue + "]";
    return names;
}

// One option in --help: its names, then its help lines in a column, the
// default at the end.
std::string HelpEntry(const OptionRow& row) {
    std::string help = row.help;
    if (!row.defaultText.empty()) help += " (Vorgabe " + row.defaultText + ")";
    std::string entry = "  " + NameColumn(row);
    entry += entry.size() < kHelpColumn ? std::string(kHelpColumn - entry.size(), ' ')
                                        : "\n" + std::string(kHelpColumn, ' ');
    for (std::size_t start = 0;;) {
        const std::size_t end = help.find('\n', start);
        entry += help.substr(start, end - start) + "\n";
        if (end == std::string::npos) break;
        entry += std::string(kHelpColumn, ' ');
        start = end + 1;
    }
    return entry;
}

}  // namespace

std::string UsageLine(Mode mode, const std::string& lead) {
    std::vector<std::string> words;
    const ModeRow& modeRow = RowOfMode(mode);
    if (!modeRow.switchName.empty()) words.push_back(modeRow.switchName);
    bool exports = false;
    for (const OptionRow& row : OptionTable()) {
        if (row.early || row.longName == "--" || (row.modes & ModeBit(mode)) == 0) continue;
        // Options that mean something only with --pell stand on its line alone.
        if (mode != Mode::Pell && row.needs == "--pell") continue;
        if (SectionOf(row) == Section::Export) {
            exports = true;
            continue;
        }
        const std::string optional = row.optionalValue.empty() ? "" : "[=" + row.optionalValue + "]";
        words.push_back("[" + row.longName + (row.valueName.empty() ? "" : " " + row.valueName) + optional + "]");
    }
    if (exports) words.push_back("[EXPORT]");
    words.push_back(modeRow.operands);

    const std::string indent(lead.size() + 11, ' ');
    std::string text = lead + "tamsel-cli";
    std::size_t lineStart = 0;
    for (const std::string& word : words) {
        if (text.size() - lineStart + 1 + word.size() > kWidestLine) {
            text += "\n";
            lineStart = text.size();
            text += indent + word;
        } else {
            text += " " + word;
        }
    }
    return text + "\n";
}

std::string HelpText() {
    std::string text;
    for (const ModeRow& mode : ModeTable()) text += UsageLine(mode.mode, text.empty() ? "Aufruf: " : "       ");
    text +=
        "\n"
        "Entwickelt x = (KOEFF * Wurzel(WURZEL) + ABS) / NENNER in einen Kettenbruch.\n"
        "Ohne --exact wie das Fenster: jede Zahl wird gelesen wie der Text des zugehörigen\n"
        "Eingabefelds, mit den Grenzen des Fensters (100 Schritte, 32 Bit, 2^53).\n"
        "Mit --exact auch aus einem Ausdruck wie '(1+sqrt(5))/2'; mit --from der Weg zurück\n"
        "vom Kettenbruch zum genauen Wert.\n"
        "\n";
    Section section = Section::General;
    for (const OptionRow& row : OptionTable()) {
        if (SectionOf(row) != section) {
            section = SectionOf(row);
            switch (section) {
                case Section::Exact:
                    text += "\nGenaue Entwicklung, ohne die Grenzen des Fensters (ganze Zahlen jeder Größe):\n";
                    break;
                case Section::Pell:
                    text += "\nPell-Gleichungen und Einheiten von √D (D ganz, positiv, keine Quadratzahl):\n";
                    break;
                case Section::Export: text += "\nEXPORT (ohne --batch):\n"; break;
                case Section::General: break;
            }
        }
        text += HelpEntry(row);
    }
    return text +
           "\n"
           "Rückgabewert: 0 regulär beendet (bei --exact auch an der Schrittgrenze),\n"
           "1 keine gute Eingabe (bei --batch: eine Zeile fehlerhaft), 2 falscher Aufruf,\n"
           "3 eine Datei oder die Ausgabe ließ sich nicht schreiben.\n";
}

}  // namespace tamsel
