// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pell/pell_json.h"

#include <string>
#include <thread>

#include "cli/json/json_integer.h"
#include "cli/json/json_object.h"
#include "cli/json/json_text.h"
#include "notation/pell_text.h"

namespace tamsel {

namespace {

// Numbers from this many bits on are turned into digits on two threads, x
// on one and y on the other: the decimal conversion of a unit of millions
// of digits takes as long as computing it.
constexpr std::size_t kBitsForTwoThreads = 1 << 19;

std::string Digits(const mpz_class& v) {
    std::string digits(mpz_sizeinbase(v.get_mpz_t(), 10) + 2, '\0');
    mpz_get_str(digits.data(), 10, v.get_mpz_t());
    digits.resize(digits.find('\0'));
    return digits;
}

// "x":…,"y":… of x + y sqrt(D).
void WriteXY(std::ostream& out, const mpz_class& x, const mpz_class& y) {
    if (mpz_sizeinbase(y.get_mpz_t(), 2) < kBitsForTwoThreads) {
        out << "\"x\":";
        WriteJsonInteger(out, x);
        out << ",\"y\":";
        WriteJsonInteger(out, y);
        return;
    }
    std::string yDigits;
    std::thread second([&] { yDigits = Digits(y); });
    const std::string xDigits = Digits(x);
    second.join();
    out << "\"x\":\"" << xDigits << "\",\"y\":\"" << yDigits << '"';
}

void WritePair(std::ostream& out, const PellPair* pair) {
    if (!pair) {
        out << "null";
        return;
    }
    out << '{';
    WriteXY(out, pair->x, pair->y);
    out << '}';
}

void WriteUnit(std::ostream& out, const UnitFacts& facts) {
    if (!facts.unit) {
        out << "null";
        return;
    }
    out << '{';
    WriteXY(out, facts.unit->x, facts.unit->y);
    out << ",\"norm\":" << facts.norm << '}';
}

using PellObject = JsonObject<PellFields, PellField>;

void WriteOrder(std::ostream& out, PellObject& object, const UnitFacts* facts, const PellField (&names)[5]) {
    if (object.Key(names[0])) {
        if (facts && facts->periodLength) {
            out << *facts->periodLength;
        } else {
            out << "null";
        }
    }
    if (object.Key(names[1])) WritePair(out, facts && facts->positive ? &*facts->positive : nullptr);
    if (object.Key(names[2])) WritePair(out, facts && facts->negative ? &*facts->negative : nullptr);
    if (object.Key(names[3])) {
        if (facts) {
            WriteUnit(out, *facts);
        } else {
            out << "null";
        }
    }
    if (object.Key(names[4])) {
        if (facts && facts->regulator) {
            out << '"' << DecimalText(*facts->regulator, '.') << '"';
        } else {
            out << "null";
        }
    }
}

}  // namespace

void WritePellJson(std::ostream& out, const PellFacts& facts, const PellFields& fields, std::uint64_t line,
                   const std::string* file) {
    PellObject object(out, fields, PellFieldKey, file);
    if (object.Key(PellField::Line)) out << line;
    if (object.Key(PellField::D)) WriteJsonInteger(out, facts.d);
    WriteOrder(
        out, object, &facts.root,
        {PellField::PeriodLength, PellField::Pell, PellField::NegativePell, PellField::Unit, PellField::Regulator});
    WriteOrder(out, object, facts.half ? &*facts.half : nullptr,
               {PellField::PeriodLengthOrderD, PellField::PellFour, PellField::NegativePellFour, PellField::UnitOrderD,
                PellField::RegulatorOrderD});
    object.Close();
}

void WriteNormJson(std::ostream& out, const mpz_class& d, const mpz_class& n, const std::vector<PellPair>& solutions,
                   bool listing, std::uint64_t line, const std::string* file) {
    out << '{';
    if (file != nullptr) out << "\"file\":" << JsonString(*file) << ',';
    if (line > 0) out << "\"line\":" << line << ',';
    out << "\"d\":";
    WriteJsonInteger(out, d);
    out << ",\"n\":";
    WriteJsonInteger(out, n);
    out << (listing ? ",\"solutions\":[" : ",\"classes\":[");
    for (std::size_t i = 0; i < solutions.size(); ++i) {
        if (i > 0) out << ',';
        WritePair(out, &solutions[i]);
    }
    out << "]}\n";
}

}  // namespace tamsel
