// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the window icon's pixel drawings as PNG files for the desktop's icon
// theme: tamsel-export-icons DIR  ->  DIR/16x16/tamsel.png, DIR/32x32/tamsel.png
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>

#include "ui/tamsel_icon.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: tamsel-export-icons ZIELORDNER\n");
        return 2;
    }
    const QIcon icon = tamsel::TamselIcon();
    for (const int size : {16, 32}) {
        const QString dir = QString("%1/%2x%2").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (!QDir().mkpath(dir) || !icon.pixmap(size, size).save(dir + "/tamsel.png")) return 1;
    }
    return 0;
}
