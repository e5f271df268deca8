// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QWidget;

namespace tamsel {

// The window's controls keep the colours they were designed with, whatever
// palette the desktop sets. `area` and every control in it take the style's
// own light palette in full, so that the parts the window does not colour
// itself (scroll bars, the check box's box and tick, selections, focus
// frames) do not follow a dark desktop either. What lies outside `area`
// (the window's margins, the menu bar, message boxes) follows the desktop.
void KeepLightColours(QWidget* area);

// A text box's background and the colour of the text typed or shown in it.
void SetTextBoxColours(QWidget* box, const QColor& background, const QColor& ink);

// A control that fills its own background (the panel, a label, the check
// box) and the colour of its caption.
void SetSurfaceColours(QWidget* control, const QColor& background, const QColor& ink);

}  // namespace tamsel
