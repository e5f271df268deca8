// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_host.h"

namespace tamsel {

void CliHost::ShowMessage(const std::string& text, MessageIcon /*icon*/) {
    messages_.push_back(text);
    messageStream_ << text << '\n';
}

}  // namespace tamsel
