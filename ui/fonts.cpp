// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

#include <QStringList>

namespace tamsel {

namespace {

QFont MakeFont(const QStringList& families, QFont::StyleHint hint, qreal pointSize, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace

QFont SerifFont(qreal pointSize, bool bold) {
    return MakeFont({"Times New Roman", "Liberation Serif"}, QFont::Serif, pointSize, bold);
}

QFont MonoFont(qreal pointSize, bool bold) {
    return MakeFont({"Courier New", "Liberation Mono"}, QFont::TypeWriter, pointSize, bold);
}

QFont SansFont(qreal pointSize, bool bold) {
    return MakeFont({"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans"}, QFont::SansSerif, pointSize,
                    bold);
}

}  // namespace tamsel
