// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tamsel_icon.h"

#include <QImage>
#include <QPixmap>

namespace tamsel {

namespace {

#include "ui/tamsel_icon_16.xpm"
#include "ui/tamsel_icon_32.xpm"

}  // namespace

QIcon TamselIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(QImage(tamsel_icon_32_xpm)));
    icon.addPixmap(QPixmap::fromImage(QImage(tamsel_icon_16_xpm)));
    return icon;
}

}  // namespace tamsel
