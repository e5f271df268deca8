// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/export/export_options.h"

#include <charconv>

namespace tamsel {

std::optional<int> ReadPositiveNumber(std::string_view text, int max) {
    if (text.empty() || text.front() < '1' || text.front() > '9') return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value > max) return std::nullopt;
    return value;
}

bool ReadPictureSize(std::string_view text, int& width, int& height) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string_view::npos) return false;
    const std::optional<int> across = ReadPositiveNumber(text.substr(0, x), kMaxPictureSide);
    const std::optional<int> down = ReadPositiveNumber(text.substr(x + 1), kMaxPictureSide);
    if (!across || !down) return false;
    width = *across;
    height = *down;
    return true;
}

bool ExportReplacesUsualOutput(const ExportOptions& options) { return options.tex || options.svgFile == "-"; }

bool ExportRequested(const ExportOptions& options) { return options.tex || options.svgFile.has_value(); }

}  // namespace tamsel
