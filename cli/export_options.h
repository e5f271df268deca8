// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "notation/latex_notation.h"
#include "notation/svg_surface.h"

namespace tamsel {

// What the command line exports besides (or instead of) its usual output.
struct ExportOptions {
    std::optional<std::string> svgFile;  // "-": standard output
    int width = kDefaultPictureWidth;
    int height = kDefaultPictureHeight;
    bool windowColours = false;
    bool tex = false;
    int depth = kDefaultLatexDepth;
    bool standalone = false;
};

// The most pixels across or down that --size accepts.
inline constexpr int kMaxPictureSide = 100000;

// Takes the export options out of args, up to a "--", and leaves every other
// argument in its order: --svg FILE, --size WxH, --window-colours, --tex,
// --depth N, --standalone. Returns false after a German message on err when
// they are wrong or do not fit together.
bool TakeExportOptions(std::vector<std::string>& args, ExportOptions& options, std::ostream& err);

// Whether an export goes to standard output, in place of the usual output.
bool ExportReplacesUsualOutput(const ExportOptions& options);

// Whether any export is asked for.
bool ExportRequested(const ExportOptions& options);

}  // namespace tamsel
