// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/display_check.h"
#include "ui/main_window.h"
#include "ui/qt_translation.h"

namespace {

QtMessageHandler qtHandler = nullptr;

// While the application starts, a fatal message of Qt (a display named but
// not reachable, a platform that cannot load) ends the program as a
// missing display does, instead of aborting.
void EndAtFatalStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        if (qtHandler != nullptr) qtHandler(type, context, message);
        return;
    }
    std::cerr << tamsel::kNoDisplayMessage << std::flush;
    std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    if (tamsel::DisplayMissing(std::vector<std::string>(argv + 1, argv + argc),
                               [](const char* name) -> const char* { return std::getenv(name); })) {
        std::cerr << tamsel::kNoDisplayMessage;
        return 1;
    }
    qtHandler = qInstallMessageHandler(EndAtFatalStartMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    // The desktop finds the program's entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAMSEL_APP_ID));
    tamsel::InstallQtGermanTranslation();
    tamsel::MainWindow window;
    window.show();
    return app.exec();
}
