// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tamsel {

// Where a batch line comes from; `file` is null unless answers name it.
struct BatchPlace {
    const std::string* file = nullptr;
    std::uint64_t line = 0;
};

// Answers one input line of a batch: appends its JSON object (or error
// object) with its line end to the stream, nothing for an empty line or a
// comment. Returns false for a bad line. Called from several threads at once.
using BatchLineAnswer = std::function<bool(std::string_view line, const BatchPlace& place, std::ostream& out)>;

// The line up to its comment (from "#" on).
std::string_view WithoutComment(std::string_view line);

// The words of a line, split at blanks (space, TAB, CR, LF, VT, FF).
std::vector<std::string_view> Words(std::string_view line);

}  // namespace tamsel
