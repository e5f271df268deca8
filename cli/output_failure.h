// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

namespace tamsel {

// Thrown by a long output as soon as its stream has failed, so that the run
// stops instead of computing what cannot be written.
struct OutputFailed {};

inline void ThrowIfFailed(const std::ostream& out) {
    if (!out) throw OutputFailed{};
}

inline constexpr const char* kOutputFailedMessage = "tamsel-cli: Die Ausgabe konnte nicht geschrieben werden.";

}  // namespace tamsel
