// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QtGlobal>

namespace tamsel {

// Size of the example picture in logical pixels.
inline constexpr int kExamplePictureWidth = 694;
inline constexpr int kExamplePictureHeight = 154;

// The example picture that the window shows before the first expansion: √2
// expanded by the usual algorithm after O. Perron (left) and by the
// subtractive variant (right), each as a staircase of fractions with its
// bracket notation and a caption, in black and red on white.
//
// The picture covers 694 × 154 logical pixels whatever the ratio: the image
// holds 694·ratio × 154·ratio pixels (rounded up), carries the ratio as its
// device pixel ratio and has no alpha channel.
QImage DrawExamplePicture(qreal devicePixelRatio = 1);

}  // namespace tamsel
