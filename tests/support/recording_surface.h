// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A drawing surface that logs every erase, print and line instead of
// painting. Every character of a printed text advances it by one unit; a
// line ends 4 units lower. A fresh surface starts at kStart rather than at
// (0, 0), so that only an erase or a set position brings it there.

#include <ostream>
#include <string>
#include <vector>

#include "notation/drawing_surface.h"

namespace tamsel::test {

constexpr float kFakeLineHeight = 4;
constexpr DrawPoint kStart{33, 44};

enum class Op { Erase, Print, Line };

struct Entry {
    Op op = Op::Print;
    std::string text;                  // Print only
    PrintEnd end = PrintEnd::KeepRow;  // Print only
    DrawPoint from, to;                // Line only
    DrawPoint before;                  // the drawing position when the operation was called
    DrawPoint after;                   // the drawing position it left behind
    friend bool operator==(const Entry&, const Entry&) = default;
};

inline void PrintTo(const DrawPoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }

inline void PrintTo(const Entry& e, std::ostream* os) {
    os->precision(9);
    if (e.op == Op::Erase) *os << "Erase";
    if (e.op == Op::Print) *os << "Print \"" << e.text << "\" " << (e.end == PrintEnd::KeepRow ? "KeepRow" : "EndLine");
    if (e.op == Op::Line) {
        *os << "Line ";
        PrintTo(e.from, os);
        *os << "-";
        PrintTo(e.to, os);
    }
    *os << " at ";
    PrintTo(e.before, os);
    *os << " -> ";
    PrintTo(e.after, os);
}

// The entries the surface logs for each operation.
inline Entry Erase(DrawPoint before) { return {Op::Erase, {}, PrintEnd::KeepRow, {}, {}, before, {0, 0}}; }
inline Entry Print(const std::string& text, DrawPoint at) {
    return {Op::Print, text, PrintEnd::KeepRow, {}, {}, at, {at.x + static_cast<float>(text.size()), at.y}};
}
inline Entry PrintEndingLine(const std::string& text, DrawPoint at) {
    return {Op::Print, text, PrintEnd::EndLine, {}, {}, at, {0, at.y + kFakeLineHeight}};
}
inline Entry Line(DrawPoint from, DrawPoint to, DrawPoint before) {
    return {Op::Line, {}, PrintEnd::KeepRow, from, to, before, to};
}

class RecordingSurface : public DrawingSurface {
public:
    void Erase() override {
        log_.push_back(test::Erase(position_));
        position_ = log_.back().after;
    }
    DrawPoint Position() const override { return position_; }
    void SetPosition(DrawPoint p) override { position_ = p; }
    void Print(const std::string& text, PrintEnd end) override {
        log_.push_back(end == PrintEnd::KeepRow ? test::Print(text, position_) : PrintEndingLine(text, position_));
        position_ = log_.back().after;
    }
    void DrawLine(DrawPoint from, DrawPoint to) override {
        log_.push_back(Line(from, to, position_));
        position_ = log_.back().after;
    }

    const std::vector<Entry>& Log() const { return log_; }

private:
    DrawPoint position_ = kStart;
    std::vector<Entry> log_;
};

}  // namespace tamsel::test
