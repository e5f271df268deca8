// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "exact/expansion_line.h"
#include "exact/expansion_value.h"
#include "exact/expression_reader.h"

namespace tamsel {

// Why an expression or a continued fraction was refused, in German, without
// the column and without line end.
std::string ExpressionFaultText(const exact::ExpressionFault& fault);
std::string LineFaultText(const exact::LineFault& fault);
std::string ExpansionFaultText(const exact::ExpansionFault& fault, exact::ExpansionAlgorithm algorithm);

// Two lines that point at a column of a one-line text: the text, each
// control character shown as a blank, and below it a "^" under the
// column; both indented by two blanks and ended by "\n". A TAB before the
// column stays a TAB under it, so that the "^" stands right.
std::string CaretLines(std::string_view text, std::size_t column);

}  // namespace tamsel
