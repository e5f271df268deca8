// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tamsel {

// What tamsel-cli says when its standard output cannot be written (exit status 3).
inline constexpr const char* kOutputNotWritten = "tamsel-cli: die Ausgabe kann nicht geschrieben werden\n";

}  // namespace tamsel
