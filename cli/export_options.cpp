// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/export_options.h"

#include <charconv>
#include <string_view>

namespace tamsel {

namespace {

// A whole number from 1 to max written with plain digits, or nothing.
std::optional<int> PositiveNumber(std::string_view text, int max) {
    if (text.empty() || text.front() < '1' || text.front() > '9') return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value > max) return std::nullopt;
    return value;
}

bool ParseSize(std::string_view text, ExportOptions& options) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string_view::npos) return false;
    const std::optional<int> width = PositiveNumber(text.substr(0, x), kMaxPictureSide);
    const std::optional<int> height = PositiveNumber(text.substr(x + 1), kMaxPictureSide);
    if (!width || !height) return false;
    options.width = *width;
    options.height = *height;
    return true;
}

bool Fail(std::ostream& err, const std::string& message) {
    err << "tamsel-cli: " << message << "\n";
    return false;
}

// The options that take a value, written "--name VALUE" or "--name=VALUE".
enum class Valued { None, Svg, Size, Depth };

Valued ValuedOption(std::string_view name) {
    if (name == "--svg") return Valued::Svg;
    if (name == "--size") return Valued::Size;
    if (name == "--depth") return Valued::Depth;
    return Valued::None;
}

bool TakeValue(Valued which, const std::string& value, ExportOptions& options, std::ostream& err) {
    switch (which) {
        case Valued::Svg:
            if (value.empty() || value.rfind("--", 0) == 0) {
                return Fail(err, "--svg erwartet einen Dateinamen (oder - für die Standardausgabe)");
            }
            options.svgFile = value;
            return true;
        case Valued::Size:
            if (!ParseSize(value, options)) {
                return Fail(err, "--size erwartet Breite und Höhe in Pixeln wie 840x507 (je 1 bis " +
                                     std::to_string(kMaxPictureSide) + "), nicht »" + value + "«");
            }
            return true;
        case Valued::Depth: {
            const std::optional<int> depth = PositiveNumber(value, kMaxLatexDepth);
            if (!depth) {
                return Fail(err, "--depth erwartet eine ganze Zahl von 1 bis " + std::to_string(kMaxLatexDepth) +
                                     ", nicht »" + value + "«");
            }
            options.depth = *depth;
            return true;
        }
        case Valued::None: break;
    }
    return false;
}

bool CheckCombination(const ExportOptions& options, bool sizeGiven, bool depthGiven, std::ostream& err) {
    if (!options.svgFile && sizeGiven) return Fail(err, "--size gilt nur zusammen mit --svg");
    if (!options.svgFile && options.windowColours) return Fail(err, "--window-colours gilt nur zusammen mit --svg");
    if (!options.tex && depthGiven) return Fail(err, "--depth gilt nur zusammen mit --tex");
    if (!options.tex && options.standalone) return Fail(err, "--standalone gilt nur zusammen mit --tex");
    if (options.tex && options.svgFile == "-") {
        return Fail(err, "--svg - und --tex können nicht beide auf die Standardausgabe schreiben");
    }
    return true;
}

}  // namespace

bool TakeExportOptions(std::vector<std::string>& args, ExportOptions& options, std::ostream& err) {
    std::vector<std::string> rest;
    bool sizeGiven = false;
    bool depthGiven = false;
    std::size_t i = 0;
    for (; i < args.size() && args[i] != "--"; ++i) {
        const std::string& arg = args[i];
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const Valued valued = arg.rfind("--", 0) == 0 ? ValuedOption(name) : Valued::None;
        if (valued != Valued::None) {
            std::string value;
            if (equals != std::string::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            }
            if (!TakeValue(valued, value, options, err)) return false;
            sizeGiven = sizeGiven || valued == Valued::Size;
            depthGiven = depthGiven || valued == Valued::Depth;
        } else if (arg == "--window-colours" || arg == "--window-colors") {
            options.windowColours = true;
        } else if (arg == "--tex") {
            options.tex = true;
        } else if (arg == "--standalone") {
            options.standalone = true;
        } else {
            rest.push_back(arg);
        }
    }
    rest.insert(rest.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
    if (!CheckCombination(options, sizeGiven, depthGiven, err)) return false;
    args = std::move(rest);
    return true;
}

bool ExportReplacesUsualOutput(const ExportOptions& options) { return options.tex || options.svgFile == "-"; }

bool ExportRequested(const ExportOptions& options) { return options.tex || options.svgFile.has_value(); }

}  // namespace tamsel
