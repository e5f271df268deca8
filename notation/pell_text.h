// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The plain German text of tamsel-cli --pell: one fact per line.

#include <ostream>
#include <string>
#include <vector>

#include <gmpxx.h>

#include "notation/pell_facts.h"

namespace tamsel {

// Numbers with more digits than this are shortened in the text.
inline constexpr std::size_t kLongestShownNumber = 1000;

// A whole number in the text: the minus sign U+2212; beyond
// kLongestShownNumber digits, unless `full`, the first twenty digits, "…",
// the last twenty and the count: "12345…67890 (274428 Stellen)".
std::string PellNumberText(const mpz_class& v, bool full);

// A number of significant digits with `point` as the decimal point; beyond
// the digits in front of the point, as a power of ten ("7.48e6").
std::string DecimalText(const SignificantDigits& value, char point);

// "x² − 7·y² = 1"
std::string EquationText(const mpz_class& d, const mpz_class& n, bool full);

void WritePellText(std::ostream& out, const PellFacts& facts, bool full);

// The classes of x^2 - D y^2 = N (their fundamental solutions), or with
// `listing` the smallest positive solutions; (x1, y1) is the unit of norm 1.
void WriteNormText(std::ostream& out, const mpz_class& d, const mpz_class& n, const std::vector<PellPair>& solutions,
                   bool listing, const PellPair& unit, bool full);

}  // namespace tamsel
