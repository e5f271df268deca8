// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace tamsel {

// The window's three type faces, with their metric-compatible substitutes
// where the originals are not installed.
QFont SerifFont(qreal pointSize, bool bold = false);  // Times New Roman
QFont MonoFont(qreal pointSize, bool bold = false);   // Courier New
QFont SansFont(qreal pointSize, bool bold = false);   // MS Sans Serif

}  // namespace tamsel
