// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in the window are German whatever the locale: the context
// menus of the text boxes and the standard buttons of dialogs.

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "child_run.h"
#include "ui/main_window.h"
#include "ui/qt_translation.h"

namespace tamsel {
namespace {

// The texts of a menu's commands, separators left out.
std::string CommandTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator()) texts << action->text();
    }
    return texts.join(QStringLiteral(" | ")).toStdString();
}

// The locale is read when the application starts, so the test runs itself
// again in a process started under the plain C locale.
constexpr char kPlainLocaleChild[] = "TAMSEL_QT_TRANSLATION_PLAIN_LOCALE";

TEST(QtTranslation, TextBoxMenusAndDialogButtonsAreGermanUnderThePlainLocale) {
    if (!qEnvironmentVariableIsSet(kPlainLocaleChild)) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");  // its shortcuts for undo and redo
        env.insert("LANG", "C");
        env.insert("LC_ALL", "C");
        env.remove("LANGUAGE");
        env.insert(kPlainLocaleChild, "1");
        EXPECT_TRUE(test::PassesInChild("QtTranslation.TextBoxMenusAndDialogButtonsAreGermanUnderThePlainLocale", env));
        return;
    }

    // Without the translation Qt would speak English here: "&Undo\tCtrl+Z".
    ASSERT_EQ(QLocale::system().language(), QLocale::C);
    const std::string kEditMenu =
        "&Rückgängig\tStrg+Z | Wieder&herstellen\tStrg+Y | &Ausschneiden\tStrg+X | &Kopieren\tStrg+C | "
        "Einf&ügen\tStrg+V | Löschen | Alles auswählen\tStrg+A";
    MainWindow window(QSize(1024, 768));
    const std::unique_ptr<QMenu> inputMenu(window.findChild<QLineEdit*>("txtKoeff")->createStandardContextMenu());
    EXPECT_EQ(CommandTexts(*inputMenu), kEditMenu) << "an input box";
    const std::unique_ptr<QMenu> boxMenu(window.findChild<QPlainTextEdit*>("Text2")->createStandardContextMenu());
    EXPECT_EQ(CommandTexts(*boxMenu), kEditMenu) << "a text box";

    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().toStdString(), "Abbrechen");
}

// The test program installs the translation as the program does; doing it
// again keeps the German texts.
TEST(QtTranslation, InstallingAgainKeepsTheGermanTexts) {
    ASSERT_TRUE(InstallQtGermanTranslation());
    EXPECT_TRUE(InstallQtGermanTranslation());
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "Select All").toStdString(), "Alles auswählen");
}

}  // namespace
}  // namespace tamsel
