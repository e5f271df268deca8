// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tamsel {

// A JSON string literal (quotes included) for a UTF-8 text; control
// characters are escaped, and bytes that are not valid UTF-8 become U+FFFD.
std::string JsonString(std::string_view text);

}  // namespace tamsel
