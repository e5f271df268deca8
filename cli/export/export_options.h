// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

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

// A whole number from 1 to `max` written with plain digits, or nothing.
std::optional<int> ReadPositiveNumber(std::string_view text, int max);

// A picture size such as "840x507" (each side 1 to kMaxPictureSide); false
// and nothing changed when the text is not one.
bool ReadPictureSize(std::string_view text, int& width, int& height);

// Whether an export goes to standard output, in place of the usual output.
bool ExportReplacesUsualOutput(const ExportOptions& options);

// Whether any export is asked for.
bool ExportRequested(const ExportOptions& options);

}  // namespace tamsel
