// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/help_text.h"

namespace tamsel {

const std::array<const char*, 15> kHelpTextLines = {
    "Kettenbruchentwicklung",
    "",
    "Oben links definiert man die zu entwickelnde quadratische Irrationalität",
    "",
    "Im selben Fenster wählt man, ob man den üblichen Algorithmus nach Oskar Perron,",
    "oder den modifizierten Algorithmus, bei dem stets die nächstgrößere ganze Zahl",
    "herausgezogen wird, untersuchen möchte.",
    "",
    "Die Ausgabe erfolgt sowohl in der Bruchschreibweise (graphisch), als auch in der",
    "Schreibweise nach O. Perron (Auswahl in der Menüzeile)",
    "",
    "Links sieht man die ersten 20 Glieder der Folge der approximierenden Brüche.",
    "",
    "Oben rechts wird die Parameterfolge der beim Algorithmus auftretenden",
    "quadratischen Irrationalitäten angezeigt.",
};

void PrintHelpText(DrawingSurface& area) {
    area.SetPosition({0, 0});
    for (const char* line : kHelpTextLines) area.Print(line, PrintEnd::EndLine);
}

}  // namespace tamsel
