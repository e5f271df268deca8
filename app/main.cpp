// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tamsel::MainWindow window;
    window.show();
    return app.exec();
}
