// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/export/export_output.h"

#include <cerrno>
#include <cstdint>
#include <fstream>
#include <limits>

#include "cli/command_line/messages.h"
#include "cli/command_line/output_failure.h"
#include "notation/expansion_drawing.h"
#include "notation/latex_notation.h"
#include "notation/svg_surface.h"

namespace tamsel {

namespace {

std::string Reason(int error) {
    switch (error) {
        case ENOENT: return "das Verzeichnis gibt es nicht";
        case EACCES:
        case EPERM: return "keine Berechtigung";
        case EISDIR: return "das ist ein Verzeichnis";
        case ENOSPC: return "kein Platz mehr auf dem Datenträger";
        case EROFS: return "das Dateisystem ist schreibgeschützt";
        default: return "Fehler beim Schreiben";
    }
}

bool WriteFile(const std::string& path, const std::string& content, std::ostream& err) {
    errno = 0;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file) file << content;
    if (file) file.close();
    if (!file) {
        SayTo(err, "die Datei " + path + " kann nicht geschrieben werden: " + Reason(errno));
        return false;
    }
    return true;
}

bool WriteOut(std::ostream& out, const std::string& content, std::ostream& err) {
    out << content;
    out.flush();
    if (!out) {
        SayTo(err, kOutputNotWritten);
        return false;
    }
    return true;
}

}  // namespace

ExportedExpansion ExportOfWindowRun(const TextRun& run, bool variant) {
    ExportedExpansion expansion;
    for (const double k : run.quotients) expansion.quotients.emplace_back(k);
    if (run.result.periodStart) expansion.periodStart = *run.result.periodStart;
    expansion.rational = run.rationalEnd;
    expansion.variant = variant;
    expansion.fractions = run.fractions;
    return expansion;
}

std::string SvgOfExpansion(const ExportedExpansion& expansion, int width, int height, bool windowColours) {
    SvgSurface surface(width, height, windowColours ? kWindowColours : kPrintColours);
    // The period mark only where the period closes within the drawn steps.
    std::optional<std::int32_t> periodStart;
    if (expansion.periodStart && expansion.Length() <= static_cast<std::uint64_t>(kMaxDrawnSteps)) {
        periodStart = static_cast<std::int32_t>(*expansion.periodStart);
    }
    DrawExpansion(surface, expansion.quotients, periodStart, expansion.variant);
    return surface.Document();
}

bool WriteExports(const ExportOptions& options, const ExportedExpansion& expansion, std::ostream& out,
                  std::ostream& err) {
    if (options.svgFile) {
        const std::string svg = SvgOfExpansion(expansion, options.width, options.height, options.windowColours);
        const bool written = *options.svgFile == "-" ? WriteOut(out, svg, err) : WriteFile(*options.svgFile, svg, err);
        if (!written) return false;
    }
    if (options.tex) {
        return WriteOut(out, LatexNotation(expansion, {options.depth, options.standalone}), err);
    }
    return true;
}

}  // namespace tamsel
