// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace tamsel {

// The program's icon: a yellow smiley with a black outline, black oval eyes
// and a black smile on a transparent background, drawn for 32 × 32 and
// 16 × 16 pixels. ui/tamsel_icon.svg is the same face for any size.
QIcon TamselIcon();

}  // namespace tamsel
