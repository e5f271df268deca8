// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tamsel {

// The number x = (koeff * sqrt(wurzel) + abs) / nenner, held as four doubles
// that normally hold whole numbers.
struct QuadIrrational {
    double koeff = 0;
    double wurzel = 0;
    double abs = 0;
    double nenner = 0;
};

}  // namespace tamsel
