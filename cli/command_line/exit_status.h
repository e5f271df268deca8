// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

namespace tamsel {

// How tamsel-cli ends; the values are its exit statuses.
enum class ExitStatus {
    Done = 0,          // everything asked for was done (an exact run also at its step limit)
    InputRefused = 1,  // the window-faithful run refused its input, or a batch line failed
    WrongCall = 2,     // options or arguments that do not fit, a number the exact mode cannot take
    NotWritten = 3,    // a file or the standard output could not be written
};

// `status`, unless `out` cannot take what was written to it: then a message
// on `err` and NotWritten. Every run ends through here.
ExitStatus AfterWriting(std::ostream& out, std::ostream& err, ExitStatus status);

}  // namespace tamsel
