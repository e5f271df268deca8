// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "ui/main_window.h"
#include "ui/qt_translation.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The desktop finds the program's entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAMSEL_APP_ID));
    tamsel::InstallQtGermanTranslation();
    tamsel::MainWindow window;
    window.show();
    return app.exec();
}
