// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line/messages.h"

#include "cli/command_line/help_text.h"
#include "cli/command_line/output_failure.h"
#include "notation/utf8_text.h"

namespace tamsel {

namespace {

constexpr std::size_t kLongestQuote = 40;

}  // namespace

void SayTo(std::ostream& err, std::string_view message) { err << "tamsel-cli: " << message << "\n"; }

std::string QuotedForMessage(std::string_view text) {
    if (text.size() <= kLongestQuote) return "„" + std::string(text) + "“";
    return "„" + std::string(text.substr(0, Utf8CharStartAtOrBefore(text, kLongestQuote))) + "…“";
}

ExitStatus WrongCall(std::ostream& err, Mode mode, std::string_view message) {
    SayTo(err, message);
    err << UsageLine(mode, "Aufruf: ") << "Mehr dazu mit „tamsel-cli --help“.\n";
    return ExitStatus::WrongCall;
}

ExitStatus AfterWriting(std::ostream& out, std::ostream& err, ExitStatus status) {
    out.flush();
    if (out) return status;
    SayTo(err, kOutputNotWritten);
    return ExitStatus::NotWritten;
}

}  // namespace tamsel
