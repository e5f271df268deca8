// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

namespace tamsel {

// What tamsel-cli says when its standard output cannot be written (exit status 3).
inline constexpr const char* kOutputNotWritten = "die Ausgabe kann nicht geschrieben werden";

// Thrown by a long output as soon as its stream has failed, so that the run
// stops instead of computing what cannot be written.
struct OutputFailed {};

inline void ThrowIfFailed(const std::ostream& out) {
    if (!out) throw OutputFailed{};
}

}  // namespace tamsel
