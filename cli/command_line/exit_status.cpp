// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line/exit_status.h"

#include "cli/command_line/messages.h"
#include "cli/command_line/output_failure.h"

namespace tamsel {

ExitStatus AfterWriting(std::ostream& out, std::ostream& err, ExitStatus status) {
    out.flush();
    if (out) return status;
    SayTo(err, kOutputNotWritten);
    return ExitStatus::NotWritten;
}

}  // namespace tamsel
