// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a picture of the real window: tamsel-screenshot OUT.png [options]
//   --screen WxH          screen size the start-up layout works from (default: the primary screen)
//   --run K,W,A,N         run the expansion on these inputs (repeatable)
//   --variant             tick the variant switch before the next runs
//   --notation            switch to the bracket notation before saving
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>

#include "ui/main_window.h"
#include "ui/qt_translation.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tamsel::InstallQtGermanTranslation();
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(
            stderr,
            "Aufruf: tamsel-screenshot AUSGABE.png [--screen BxH] [--variant] [--run K,W,A,N]... [--notation]\n");
        return 2;
    }
    QSize screen = tamsel::PrimaryScreenSize();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--screen") {
            const QStringList wh = args[i + 1].split('x');
            if (wh.size() == 2) screen = QSize(wh[0].toInt(), wh[1].toInt());
        }
    }

    tamsel::MainWindow window(screen);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;

    // Message boxes of failing runs are closed at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
    });
    closer.start(10);

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
