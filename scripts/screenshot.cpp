// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a picture of the real window: tamsel-screenshot OUT.png [options]
//   --screen WxH          screen size the start-up layout works from (default: the primary screen)
//   --run K,W,A,N         run the expansion on these inputs (repeatable)
//   --variant             tick the variant switch before the next runs
//   --notation            switch to the bracket notation before saving
//   --dark                a dark desktop palette, set before the window opens
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPalette>
#include <QTest>

#include <cstdio>

#include "ui/main_window.h"
#include "ui/message_box_closer.h"
#include "ui/qt_translation.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tamsel::InstallQtGermanTranslation();
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr,
                     "Aufruf: tamsel-screenshot AUSGABE.png [--screen BxH] [--dark] [--variant] [--run K,W,A,N]... "
                     "[--notation]\n");
        return 2;
    }
    QSize screen = tamsel::PrimaryScreenSize();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--screen") {
            const QStringList wh = args[i + 1].split('x');
            if (wh.size() == 2) screen = QSize(wh[0].toInt(), wh[1].toInt());
        }
    }

    if (args.contains("--dark")) {
        // As a dark desktop sets it: light text on dark window, button and base colours.
        QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
        QApplication::setPalette(dark);
    }

    tamsel::MainWindow window(screen);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;

    // Message boxes of failing runs are closed at once.
    const tamsel::MessageBoxCloser closer(10);

    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--variant") {
            window.findChild<QCheckBox*>("Check1")->setChecked(true);
        } else if (args[i] == "--notation") {
            window.findChild<QAction*>("cmdGra")->trigger();
        } else if (args[i] == "--run" && i + 1 < args.size()) {
            const QStringList v = args[++i].split(',');
            const char* names[] = {"txtKoeff", "txtWurzel", "txtAbs", "txtNenner"};
            for (int j = 0; j < 4 && j < v.size(); ++j) window.findChild<QLineEdit*>(names[j])->setText(v[j]);
            window.findChild<QAction*>("cmdKette")->trigger();
        }
    }
    QTest::qWait(50);
    const bool saved = window.grab().save(args[0]);
    return saved ? 0 : 1;
}
