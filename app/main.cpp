// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "app/display_check.h"
#include "ui/main_window.h"
#include "ui/qt_translation.h"

namespace {

QtMessageHandler qtHandler = nullptr;
// Qt's messages while the application starts, held back until it has started.
std::vector<std::pair<QtMsgType, QString>> startMessages;

// While the application starts, a fatal message of Qt (a display named but
// not reachable, a platform that cannot load) ends the program as a
// missing display does, instead of aborting; the English lines that led up
// to it are dropped, since the German message says what they meant.
void EndAtFatalStartMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        startMessages.emplace_back(type, message);
        return;
    }
    std::cerr << tamsel::kNoDisplayMessage << std::flush;
    std::_Exit(1);
}

// Hands the held-back messages to Qt's own handler once the application runs.
void ReleaseStartMessages() {
    qInstallMessageHandler(qtHandler);
    const QMessageLogContext context;
    for (const auto& [type, message] : startMessages) {
        if (qtHandler != nullptr) {
            qtHandler(type, context, message);
        } else {
            std::cerr << message.toStdString() << "\n";
        }
    }
    startMessages.clear();
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
    ReleaseStartMessages();
    // The desktop finds the program's entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAMSEL_APP_ID));
    tamsel::InstallQtGermanTranslation();
    tamsel::MainWindow window;
    window.show();
    return app.exec();
}
