// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A run on the fake host feeding the result notations: the bracket notation
// into a string box and, where a surface is given, the nested fraction.

#include <array>
#include <string>
#include <vector>

#include "fake_host.h"
#include "notation/result_notations.h"
#include "notation/text_holder.h"

namespace tamsel::test {

struct NotationRun {
    explicit NotationRun(std::array<std::string, 4> inputs, bool variant = false, std::string before = "",
                         DrawingSurface* drawing = nullptr)
        : host(std::move(inputs), variant, log),
          box(std::move(before)),
          notations(box, drawing, host),
          engine(host, notations) {}

    RunResult Run() { return engine.RunExpansion(); }

    std::vector<std::string> log;
    FakeHost host;
    StringTextHolder box;
    ResultNotations notations;
    ExpansionEngine engine;
};

}  // namespace tamsel::test
