// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tamsel {

// Thrown anywhere inside a run when it cannot go on (invalid input, a value
// outside the 32-bit range, an overflow, the step limit). The run catches it
// in one place, shows "Das ist keine gute Eingabe!" and closes the line.
struct RunFailure {};

// Thrown when the program is closing while a run yields: the run stops at
// once and writes nothing more.
struct RunAborted {};

}  // namespace tamsel
