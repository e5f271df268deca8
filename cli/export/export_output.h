// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>

#include "cli/export/export_options.h"
#include "notation/exported_expansion.h"
#include "notation/text_run.h"

namespace tamsel {

// A window run as the exports take it.
ExportedExpansion ExportOfWindowRun(const TextRun& run, bool variant);

// The drawn nested fraction as an SVG document: drawn on an area of width ×
// height pixels, in the window's colours or black on white.
std::string SvgOfExpansion(const ExportedExpansion& expansion, int width, int height, bool windowColours);

// Writes the exports that `options` ask for: the SVG into its file (or onto
// out for "-"), the LaTeX onto out. Returns false after a German message on
// err when a file or out could not be written.
bool WriteExports(const ExportOptions& options, const ExportedExpansion& expansion, std::ostream& out,
                  std::ostream& err);

}  // namespace tamsel
